// SPDX-License-Identifier: MIT
// Solving a puzzle page written by Velloquin. The page holds the grid and the clues as
// HTML; this script makes them work: selection, typing, checking, revealing where the
// teacher allows it, and keeping the progress in local storage.
(function () {
  'use strict';

  var data = JSON.parse(document.getElementById('puzzle-data').textContent);
  var say = JSON.parse(document.getElementById('page-text').textContent);
  var width = data.width;
  var height = data.height;
  // A page without Reveal keeps its progress apart, so letters revealed on another page
  // of the same puzzle do not turn up in the test.
  var storageKey = 'velloquin-puzzle-' + data.id + (data.reveal ? '' : '-test');
  var statusLine = document.getElementById('status');
  var currentClue = document.getElementById('current-clue');
  var confirmBox = document.getElementById('confirm');

  // The letters, unmasked: '' for a square without one.
  var answers = (function () {
    var bytes = atob(data.letters);
    var out = [];
    for (var i = 0; i < width * height; i++) {
      var mask = (data.seed + i * 40503) & 0xffff;
      var code = ((bytes.charCodeAt(2 * i) << 8) | bytes.charCodeAt(2 * i + 1)) ^ mask;
      out.push(code ? String.fromCharCode(code) : '');
    }
    return out;
  })();

  // Typed letters are made upper case by the rules of the page's language, or Turkish
  // rules when the answers hold a dotted or dotless I whatever the page speaks.
  var caseLanguage = /[\u0130\u0131]/.test(answers.join('')) ? 'tr'
                                                             : document.documentElement.lang;

  // squares[i]: { input, cell, across, down } for letter squares, null for the others.
  var squares = [];
  for (var s = 0; s < width * height; s++) {
    var input = document.getElementById('sq-' + s);
    squares.push(input ? { index: s, input: input, cell: input.parentNode,
                           across: null, down: null } : null);
  }

  var words = data.words.map(function (w, index) {
    var word = { index: index, number: w[0], down: w[1] === 1, squares: [],
                 clue: document.getElementById('clue-' + index) };
    for (var k = 0; k < w[4]; k++) {
      var x = w[2] + (word.down ? 0 : k);
      var y = w[3] + (word.down ? k : 0);
      var sq = squares[y * width + x];
      word.squares.push(sq);
      if (word.down) {
        if (!sq.down) sq.down = word;
      } else if (!sq.across) {
        sq.across = word;
      }
    }
    return word;
  });

  var values = squares.map(function () { return ''; });
  var revealed = squares.map(function () { return false; });
  var wrong = squares.map(function () { return false; });
  var current = null; // the selected square
  var down = false;   // the direction being solved
  var tabStop = null; // the one square in the Tab order
  var wasCurrent = false;
  var solved = false;
  var checkShown = false; // the status line holds what Check found

  function wordOf(sq, inDown) {
    return sq ? (inDown ? sq.down : sq.across) : null;
  }

  function currentWord() {
    return wordOf(current, down);
  }

  function wordName(word) {
    return word.number + ' ' + (word.down ? say.down : say.across);
  }

  function announce(text) {
    statusLine.textContent = text;
    checkShown = false;
  }

  function labelFor(sq, word) {
    var label = wordName(word) + say.letterOf.replace('%1', word.squares.indexOf(sq) + 1)
                                             .replace('%2', word.squares.length);
    if (wrong[sq.index]) label += say.markedWrong;
    else if (revealed[sq.index]) label += say.revealed;
    return label;
  }

  function showSquare(sq) {
    var i = sq.index;
    sq.input.value = values[i];
    sq.cell.classList.toggle('wrong', wrong[i]);
    sq.cell.classList.toggle('revealed', revealed[i]);
    var word = wordOf(sq, down) || wordOf(sq, !down);
    sq.input.setAttribute('aria-label', labelFor(sq, word));
    sq.input.setAttribute('aria-describedby', 'clue-' + word.index);
  }

  function markClue(word, cls, on) {
    if (word) word.clue.classList.toggle(cls, on);
  }

  // The clue list keeps one clue in the Tab order: the one last chosen there.
  function setClueStop(li) {
    Array.prototype.forEach.call(li.parentNode.children, function (other) {
      other.tabIndex = other === li ? 0 : -1;
    });
  }

  // Brings the square into view inside the grid's box and the window, with a square to
  // spare on each side where the grid scrolls.
  function keepInView(sq) {
    sq.input.scrollIntoView({ block: 'nearest', inline: 'nearest' });
  }

  // Selects square sq in the given direction (the other one when sq has no word there),
  // highlights its word and clue and the crossing word's clue, and moves the focus to it.
  function select(sq, inDown, keepFocus) {
    if (!sq) return;
    if (!wordOf(sq, inDown)) inDown = !inDown;
    var before = current;
    var beforeWord = currentWord();
    var beforeCrossing = wordOf(current, !down);
    current = sq;
    down = inDown;
    var word = currentWord();
    if (beforeWord) {
      beforeWord.squares.forEach(function (q) { q.cell.classList.remove('in-word'); });
      markClue(beforeWord, 'active', false);
      beforeWord.clue.setAttribute('aria-selected', 'false');
    }
    markClue(beforeCrossing, 'crossing', false);
    if (before) before.cell.classList.remove('current');
    if (tabStop) tabStop.input.tabIndex = -1;
    word.squares.forEach(function (q) {
      q.cell.classList.add('in-word');
      showSquare(q);
    });
    markClue(word, 'active', true);
    markClue(wordOf(sq, !down), 'crossing', true);
    word.clue.setAttribute('aria-selected', 'true');
    setClueStop(word.clue);
    sq.cell.classList.add('current');
    sq.input.tabIndex = 0;
    tabStop = sq;
    currentClue.replaceChildren();
    var number = document.createElement('strong');
    number.textContent = wordName(word);
    currentClue.appendChild(number);
    currentClue.appendChild(document.createTextNode(' '));
    currentClue.appendChild(word.clue.querySelector('.clue-text').cloneNode(true));
    currentClue.scrollTop = 0;
    if (!keepFocus && document.activeElement !== sq.input) {
      sq.input.focus({ preventScroll: true });
      keepInView(sq);
    }
  }

  function save() {
    try {
      if (values.every(function (v) { return v === ''; })) {
        localStorage.removeItem(storageKey);
      } else {
        localStorage.setItem(storageKey, JSON.stringify({ values: values, revealed: revealed }));
      }
    } catch (e) {
      // Storage may be switched off or full: the puzzle still works for this visit.
    }
  }

  function load() {
    var saved = null;
    try {
      saved = JSON.parse(localStorage.getItem(storageKey) || 'null');
    } catch (e) {
      saved = null;
    }
    if (!saved || !Array.isArray(saved.values) || saved.values.length !== values.length) return;
    squares.forEach(function (sq, i) {
      if (!sq) return;
      var v = saved.values[i];
      values[i] = typeof v === 'string' && v.length <= 2 ? v : '';
      revealed[i] = data.reveal && Array.isArray(saved.revealed) && saved.revealed[i] === true;
    });
  }

  function isRight(sq) {
    return values[sq.index] === answers[sq.index];
  }

  function checkSolved() {
    var letters = squares.filter(Boolean);
    var now = letters.every(isRight);
    if (now && !solved) {
      var helped = letters.filter(function (sq) { return revealed[sq.index]; }).length;
      announce(helped === 0 ? say.solved
                            : helped === 1 ? say.solvedOneRevealed
                                           : say.solvedRevealed.replace('%1', helped));
      document.body.classList.add('solved');
    } else if (!now && (solved || checkShown)) {
      // What Check found is out of date once a letter changes.
      announce('');
      document.body.classList.remove('solved');
    }
    solved = now;
  }

  function setValue(sq, value) {
    values[sq.index] = value;
    wrong[sq.index] = false;
    showSquare(sq);
  }

  function changed() {
    save();
    checkSolved();
  }

  // The square k steps along the current word from the current square, or null.
  function along(k) {
    var word = currentWord();
    var at = word.squares.indexOf(current) + k;
    return at >= 0 && at < word.squares.length ? word.squares[at] : null;
  }

  function upper(ch) {
    var u = ch.toLocaleUpperCase(caseLanguage);
    return u.length === 1 ? u : ch;
  }

  function typeLetter(ch) {
    if (!current) return;
    if (!revealed[current.index]) setValue(current, upper(ch));
    changed();
    var next = along(1);
    if (next) select(next, down);
    else showSquare(current);
  }

  // Backspace: clears the square, or when it is empty already, the one before it.
  function backspace() {
    if (!current) return;
    if (values[current.index] === '' || revealed[current.index]) {
      var previous = along(-1);
      if (previous) select(previous, down);
    }
    if (!revealed[current.index]) setValue(current, '');
    changed();
  }

  // The nearest letter square from the current one in direction (dx, dy).
  function move(dx, dy) {
    var x = current.index % width;
    var y = Math.floor(current.index / width);
    for (;;) {
      x += dx;
      y += dy;
      if (x < 0 || y < 0 || x >= width || y >= height) return;
      var sq = squares[y * width + x];
      if (sq) {
        select(sq, dy !== 0);
        return;
      }
    }
  }

  // A word's first empty square, or its first square when it is full.
  function chooseWord(word) {
    var target = word.squares.filter(function (sq) { return values[sq.index] === ''; })[0];
    select(target || word.squares[0], word.down);
  }

  // The next or previous word in the clue order; false at either end, where Tab leaves
  // the grid.
  function stepWord(step) {
    var at = currentWord().index + step;
    if (at < 0 || at >= words.length) return false;
    chooseWord(words[at]);
    return true;
  }

  function onKeyDown(event) {
    if (event.isComposing || event.keyCode === 229) return;
    var key = event.key;
    if (event.ctrlKey || event.metaKey || event.altKey) return;
    var handled = true;
    switch (key) {
      case 'ArrowLeft': move(-1, 0); break;
      case 'ArrowRight': move(1, 0); break;
      case 'ArrowUp': move(0, -1); break;
      case 'ArrowDown': move(0, 1); break;
      case ' ':
      case 'Enter':
        select(current, !down);
        break;
      case 'Tab':
        handled = stepWord(event.shiftKey ? -1 : 1);
        break;
      case 'Backspace': backspace(); break;
      case 'Delete':
        if (!revealed[current.index]) setValue(current, '');
        changed();
        break;
      case 'Home': select(currentWord().squares[0], down); break;
      case 'End':
        var last = currentWord().squares;
        select(last[last.length - 1], down);
        break;
      default:
        if (Array.from(key).length === 1) typeLetter(key);
        else handled = false;
    }
    if (handled) event.preventDefault();
  }

  // On-screen keyboards send their text through input events, not key events.
  function onBeforeInput(event) {
    if (!event.cancelable) return;
    if (event.inputType === 'insertText' && event.data) {
      event.preventDefault();
      typeLetter(Array.from(event.data).pop());
    } else if (event.inputType && event.inputType.indexOf('delete') === 0) {
      event.preventDefault();
      backspace();
    }
  }

  function onInput(event) {
    // What the cancelable events did not catch (a composing keyboard): take the last
    // character typed and put the square's own value back.
    var sq = squares[Number(event.target.id.slice(3))];
    var text = event.target.value;
    var old = values[sq.index];
    if (current !== sq) select(sq, down, true);
    if (text === '') {
      backspace();
    } else {
      var chars = Array.from(text.indexOf(old) === 0 && text !== old ? text.slice(old.length)
                                                                       : text);
      typeLetter(chars[chars.length - 1]);
    }
    showSquare(sq);
  }

  squares.forEach(function (sq) {
    if (!sq) return;
    sq.input.addEventListener('keydown', onKeyDown);
    sq.input.addEventListener('beforeinput', onBeforeInput);
    sq.input.addEventListener('input', onInput);
    sq.input.addEventListener('pointerdown', function () {
      wasCurrent = current === sq && document.activeElement === sq.input;
    });
    sq.input.addEventListener('click', function () {
      // A second click or tap on the selected square turns the direction.
      if (wasCurrent) select(sq, !down);
      wasCurrent = true;
    });
    sq.input.addEventListener('focus', function () {
      if (current !== sq) select(sq, down, true);
    });
  });

  // A clue list is a list box: arrows, Home and End move in it, Enter or Space or a
  // click chooses the clue's word and goes to the grid.
  words.forEach(function (word) {
    word.clue.addEventListener('click', function () { chooseWord(word); });
    word.clue.addEventListener('keydown', function (event) {
      var list = Array.prototype.slice.call(word.clue.parentNode.children);
      var at = list.indexOf(word.clue);
      var to = { ArrowDown: at + 1, ArrowUp: at - 1, Home: 0, End: list.length - 1 }[event.key];
      if (event.key === 'Enter' || event.key === ' ') {
        chooseWord(word);
      } else if (to !== undefined) {
        var target = list[Math.max(0, Math.min(list.length - 1, to))];
        setClueStop(target);
        target.focus();
      } else {
        return;
      }
      event.preventDefault();
    });
  });

  function focusGrid() {
    if (current) {
      current.input.focus({ preventScroll: true });
      keepInView(current);
    }
  }

  // Asks inside the page, since a page in a sandboxed frame gets no confirm() box.
  function ask(question, yesCaption, then) {
    if (typeof confirmBox.showModal !== 'function') {
      if (window.confirm(question)) then();
      return;
    }
    document.getElementById('confirm-text').textContent = question;
    var yes = document.getElementById('confirm-yes');
    yes.textContent = yesCaption;
    yes.onclick = function () {
      confirmBox.close();
      then();
    };
    confirmBox.showModal();
  }
  document.getElementById('confirm-no').addEventListener('click', function () {
    confirmBox.close();
  });
  confirmBox.addEventListener('close', focusGrid);

  function button(id, action) {
    var b = document.getElementById(id);
    if (b) b.addEventListener('click', action);
  }

  function reveal(list) {
    if (!data.reveal) return;
    list.forEach(function (sq) {
      if (!isRight(sq)) {
        revealed[sq.index] = true;
        setValue(sq, answers[sq.index]);
      }
    });
    changed();
    focusGrid();
  }

  if (data.check) {
    button('check', function () {
      var count = 0;
      squares.forEach(function (sq) {
        if (sq && values[sq.index] !== '' && !isRight(sq)) {
          wrong[sq.index] = true;
          count++;
          showSquare(sq);
        }
      });
      if (!solved) {
        announce(count === 0 ? say.noneWrong
                             : count === 1 ? say.oneWrong : say.someWrong.replace('%1', count));
        checkShown = true;
      }
      focusGrid();
    });
  }
  if (data.reveal) {
    button('reveal-letter', function () {
      if (current) reveal([current]);
    });
    button('reveal-word', function () {
      if (current) reveal(currentWord().squares);
    });
    button('reveal-all', function () {
      ask(say.askRevealAll, say.revealAll, function () { reveal(squares.filter(Boolean)); });
    });
  }
  button('clear', function () {
    ask(say.askClear, say.clear, function () {
      squares.forEach(function (sq, i) {
        if (!sq) return;
        revealed[i] = false;
        setValue(sq, '');
      });
      try {
        localStorage.removeItem(storageKey);
      } catch (e) {
        // Nothing was kept.
      }
      solved = false;
      document.body.classList.remove('solved');
      announce(say.cleared);
    });
  });

  load();
  squares.forEach(function (sq) { if (sq) showSquare(sq); });
  document.body.classList.add('scripted');
  select(words[0].squares[0], words[0].down, true);
  // A grid wider than its box starts scrolled sideways to the first word's square, without
  // moving the page itself.
  var wrap = current.cell.closest('.grid-wrap');
  if (wrap && wrap.scrollWidth > wrap.clientWidth) {
    var cell = current.cell.getBoundingClientRect();
    var box = wrap.getBoundingClientRect();
    if (cell.left < box.left || cell.right > box.right)
      wrap.scrollLeft += cell.left - box.left - cell.width;
  }
  checkSolved();
})();
