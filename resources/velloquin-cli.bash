# SPDX-License-Identifier: MIT
# bash completion for velloquin-cli: subcommands, their options and the files they take.

_velloquin_cli()
{
    local cur prev words cword
    _init_completion || return

    local commands="new add delete move resize trim store show clues render export make import generate search"
    local layout="--seed --thorough --fit --budget-ms --partial"

    if [[ $cword -eq 1 ]]; then
        COMPREPLY=($(compgen -W "$commands --help --version" -- "$cur"))
        return
    fi

    local command=${words[1]}
    local options=""
    case $command in
        new) options="--width --height --title --subject" ;;
        render) options="--format --width-px --height-px --size-px --hide-answers --outline --background --gridlines --squares" ;;
        export) options="--format --hide-answers --no-key --paper --no-check --no-reveal --language" ;;
        make) options="--width --height --title --subject $layout" ;;
        generate) options="$layout" ;;
    esac

    # Values of options.
    case $prev in
        --paper)
            COMPREPLY=($(compgen -W "a4 letter" -- "$cur"))
            return
            ;;
        --format)
            if [[ $command == render ]]; then
                COMPREPLY=($(compgen -W "png bmp" -- "$cur"))
            else
                COMPREPLY=($(compgen -W "docx pdf html ipuz puz png bmp" -- "$cur"))
            fi
            return
            ;;
        --language)
            COMPREPLY=($(compgen -W "en de fr es tr" -- "$cur"))
            return
            ;;
        --width | --height | --title | --subject | --seed | --budget-ms | --width-px | --height-px | --size-px | \
            --background | --gridlines | --squares)
            return
            ;;
    esac

    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options --help" -- "$cur"))
        return
    fi

    # The position among the arguments that are not options or their values.
    local i n=0
    for ((i = 2; i < cword; i++)); do
        case ${words[i]} in
            --paper | --format | --language | --width | --height | --title | --subject | --seed | \
                --budget-ms | --width-px | --height-px | --size-px | --background | --gridlines | \
                --squares) ((i++)) ;;
            -*) ;;
            *) ((n++)) ;;
        esac
    done

    case $command in
        make)
            if [[ $n -eq 0 ]]; then _filedir txt; else _filedir cwd; fi
            ;;
        import)
            if [[ $n -eq 0 ]]; then _filedir ipuz; else _filedir cwd; fi
            ;;
        render)
            if [[ $n -eq 0 ]]; then _filedir cwd; else _filedir '@(png|bmp)'; fi
            ;;
        export)
            if [[ $n -eq 0 ]]; then _filedir cwd; else _filedir '@(docx|pdf|html|ipuz|puz|png|bmp)'; fi
            ;;
        add | delete)
            case $n in
                0) _filedir cwd ;;
                3) COMPREPLY=($(compgen -W "across down" -- "$cur")) ;;
            esac
            ;;
        move)
            case $n in
                0) _filedir cwd ;;
                1) COMPREPLY=($(compgen -W "left right up down" -- "$cur")) ;;
            esac
            ;;
        *)
            [[ $n -eq 0 ]] && _filedir cwd
            ;;
    esac
} &&
    complete -F _velloquin_cli velloquin-cli
