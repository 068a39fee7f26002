// SPDX-License-Identifier: MIT
#include "webpagetexts.h"

#include <iterator>

namespace Velloquin {

namespace {

// A teacher picks the page's language for the class, whatever the window speaks, so
// these live with the page rather than in the window's translations.
const WebPageTexts kLanguages[] = {
    {
        .code = "en",
        .name = "English",
        .title = "Crossword",
        .grid = "Puzzle grid, %1 by %2 squares",
        .across = "Across",
        .down = "Down",
        .acrossHeading = "ACROSS",
        .downHeading = "DOWN",
        .letterOf = ", letter %1 of %2",
        .markedWrong = ", marked wrong",
        .revealed = ", revealed",
        .check = "Check",
        .revealLetter = "Reveal letter",
        .revealWord = "Reveal word",
        .revealAll = "Reveal all",
        .clear = "Clear",
        .cancel = "Cancel",
        .noScript = "Turn on JavaScript to solve the puzzle on this page; it prints without it.",
        .helpKeys = "Type the letters. Arrow keys move, Space or a second click turns the "
                    "direction, Tab and Shift+Tab go to the next and previous word.",
        .helpTouch = "Tap a square and type the letters. Tap the same square again to turn "
                     "the direction; tap a clue to go to its word.",
        .nameLabel = "Name",
        .dateLabel = "Date",
        .solved = "Solved!",
        .solvedOneRevealed = "Solved! (1 letter revealed)",
        .solvedRevealed = "Solved! (%1 letters revealed)",
        .noneWrong = "No wrong letters so far.",
        .oneWrong = "1 wrong letter is marked.",
        .someWrong = "%1 wrong letters are marked.",
        .cleared = "Cleared.",
        .askRevealAll = "Show every answer?",
        .askClear = "Clear every square and forget the progress of this puzzle?",
    },
    {
        .code = "de",
        .name = "Deutsch",
        .title = "Kreuzworträtsel",
        .grid = "Rätselgitter, %1 mal %2 Felder",
        .across = "Waagerecht",
        .down = "Senkrecht",
        .acrossHeading = "WAAGERECHT",
        .downHeading = "SENKRECHT",
        .letterOf = ", Buchstabe %1 von %2",
        .markedWrong = ", als falsch markiert",
        .revealed = ", aufgedeckt",
        .check = "Prüfen",
        .revealLetter = "Buchstabe zeigen",
        .revealWord = "Wort zeigen",
        .revealAll = "Alles zeigen",
        .clear = "Leeren",
        .cancel = "Abbrechen",
        .noScript = "Schalten Sie JavaScript ein, um das Rätsel auf dieser Seite zu lösen; "
                    "drucken lässt es sich auch ohne.",
        .helpKeys = "Tippen Sie die Buchstaben. Pfeiltasten bewegen, die Leertaste oder ein "
                    "zweiter Klick wechselt die Richtung, Tab und Umschalt+Tab gehen zum "
                    "nächsten und vorigen Wort.",
        .helpTouch = "Tippen Sie auf ein Feld und schreiben Sie die Buchstaben. Ein zweites "
                     "Tippen auf dasselbe Feld wechselt die Richtung; ein Tippen auf einen "
                     "Hinweis wählt sein Wort.",
        .nameLabel = "Name",
        .dateLabel = "Datum",
        .solved = "Gelöst!",
        .solvedOneRevealed = "Gelöst! (1 Buchstabe aufgedeckt)",
        .solvedRevealed = "Gelöst! (%1 Buchstaben aufgedeckt)",
        .noneWrong = "Bisher keine falschen Buchstaben.",
        .oneWrong = "1 falscher Buchstabe ist markiert.",
        .someWrong = "%1 falsche Buchstaben sind markiert.",
        .cleared = "Geleert.",
        .askRevealAll = "Alle Lösungen zeigen?",
        .askClear = "Alle Felder leeren und den Fortschritt dieses Rätsels vergessen?",
    },
    {
        .code = "fr",
        .name = "Français",
        .title = "Mots croisés",
        .grid = "Grille de mots croisés, %1 cases sur %2",
        .across = "Horizontal",
        .down = "Vertical",
        .acrossHeading = "HORIZONTALEMENT",
        .downHeading = "VERTICALEMENT",
        .letterOf = ", lettre %1 sur %2",
        .markedWrong = ", marquée fausse",
        .revealed = ", révélée",
        .check = "Vérifier",
        .revealLetter = "Révéler la lettre",
        .revealWord = "Révéler le mot",
        .revealAll = "Tout révéler",
        .clear = "Effacer",
        .cancel = "Annuler",
        .noScript = "Activez JavaScript pour résoudre la grille sur cette page\u00a0; elle "
                    "s'imprime sans.",
        .helpKeys = "Tapez les lettres. Les flèches déplacent, Espace ou un second clic change "
                    "de sens, Tab et Maj+Tab passent au mot suivant ou précédent.",
        .helpTouch = "Touchez une case et écrivez les lettres. Touchez de nouveau la même case "
                     "pour changer de sens\u00a0; touchez une définition pour aller à son mot.",
        .nameLabel = "Nom",
        .dateLabel = "Date",
        .solved = "Résolu\u00a0!",
        .solvedOneRevealed = "Résolu\u00a0! (1 lettre révélée)",
        .solvedRevealed = "Résolu\u00a0! (%1 lettres révélées)",
        .noneWrong = "Aucune lettre fausse pour l'instant.",
        .oneWrong = "1 lettre fausse est marquée.",
        .someWrong = "%1 lettres fausses sont marquées.",
        .cleared = "Grille effacée.",
        .askRevealAll = "Afficher toutes les réponses\u00a0?",
        .askClear = "Effacer toutes les cases et oublier la progression de cette grille\u00a0?",
    },
    {
        .code = "es",
        .name = "Español",
        .title = "Crucigrama",
        .grid = "Cuadrícula del crucigrama, %1 por %2 casillas",
        .across = "Horizontal",
        .down = "Vertical",
        .acrossHeading = "HORIZONTALES",
        .downHeading = "VERTICALES",
        .letterOf = ", letra %1 de %2",
        .markedWrong = ", marcada como errónea",
        .revealed = ", revelada",
        .check = "Comprobar",
        .revealLetter = "Revelar letra",
        .revealWord = "Revelar palabra",
        .revealAll = "Revelar todo",
        .clear = "Borrar",
        .cancel = "Cancelar",
        .noScript = "Active JavaScript para resolver el crucigrama en esta página; se puede "
                    "imprimir sin él.",
        .helpKeys = "Escriba las letras. Las flechas mueven, Espacio o un segundo clic cambia "
                    "la dirección, Tab y Mayús+Tab van a la palabra siguiente y anterior.",
        .helpTouch = "Toque una casilla y escriba las letras. Toque otra vez la misma casilla "
                     "para cambiar la dirección; toque una pista para ir a su palabra.",
        .nameLabel = "Nombre",
        .dateLabel = "Fecha",
        .solved = "¡Resuelto!",
        .solvedOneRevealed = "¡Resuelto! (1 letra revelada)",
        .solvedRevealed = "¡Resuelto! (%1 letras reveladas)",
        .noneWrong = "Por ahora no hay letras erróneas.",
        .oneWrong = "1 letra errónea está marcada.",
        .someWrong = "%1 letras erróneas están marcadas.",
        .cleared = "Borrado.",
        .askRevealAll = "¿Mostrar todas las respuestas?",
        .askClear = "¿Borrar todas las casillas y olvidar el progreso de este crucigrama?",
    },
    {
        .code = "tr",
        .name = "Türkçe",
        .title = "Bulmaca",
        .grid = "Bulmaca ızgarası, %1 x %2 kare",
        .across = "Soldan sağa",
        .down = "Yukarıdan aşağıya",
        .acrossHeading = "SOLDAN SAĞA",
        .downHeading = "YUKARIDAN AŞAĞIYA",
        .letterOf = ", harf %1 / %2",
        .markedWrong = ", yanlış olarak işaretli",
        .revealed = ", gösterildi",
        .check = "Kontrol et",
        .revealLetter = "Harfi göster",
        .revealWord = "Kelimeyi göster",
        .revealAll = "Tümünü göster",
        .clear = "Temizle",
        .cancel = "Vazgeç",
        .noScript = "Bulmacayı bu sayfada çözmek için JavaScript'i açın; sayfa onsuz da "
                    "yazdırılabilir.",
        .helpKeys = "Harfleri yazın. Ok tuşları hareket ettirir, Boşluk veya ikinci bir "
                    "tıklama yönü değiştirir, Tab ve Shift+Tab sonraki ve önceki kelimeye gider.",
        .helpTouch = "Bir kareye dokunun ve harfleri yazın. Yönü değiştirmek için aynı kareye "
                     "yeniden dokunun; bir ipucuna dokunmak o kelimeye gider.",
        .nameLabel = "Ad",
        .dateLabel = "Tarih",
        .solved = "Çözüldü!",
        .solvedOneRevealed = "Çözüldü! (1 harf gösterildi)",
        .solvedRevealed = "Çözüldü! (%1 harf gösterildi)",
        .noneWrong = "Şimdilik yanlış harf yok.",
        .oneWrong = "1 yanlış harf işaretlendi.",
        .someWrong = "%1 yanlış harf işaretlendi.",
        .cleared = "Temizlendi.",
        .askRevealAll = "Tüm cevaplar gösterilsin mi?",
        .askClear = "Tüm kareler temizlensin ve bu bulmacadaki ilerleme unutulsun mu?",
    },
};

} // namespace

QJsonObject WebPageTexts::scriptTexts() const
{
    return {
        {QStringLiteral("across"), text(across)},
        {QStringLiteral("down"), text(down)},
        {QStringLiteral("letterOf"), text(letterOf)},
        {QStringLiteral("markedWrong"), text(markedWrong)},
        {QStringLiteral("revealed"), text(revealed)},
        {QStringLiteral("solved"), text(solved)},
        {QStringLiteral("solvedOneRevealed"), text(solvedOneRevealed)},
        {QStringLiteral("solvedRevealed"), text(solvedRevealed)},
        {QStringLiteral("noneWrong"), text(noneWrong)},
        {QStringLiteral("oneWrong"), text(oneWrong)},
        {QStringLiteral("someWrong"), text(someWrong)},
        {QStringLiteral("cleared"), text(cleared)},
        {QStringLiteral("askRevealAll"), text(askRevealAll)},
        {QStringLiteral("askClear"), text(askClear)},
        {QStringLiteral("revealAll"), text(revealAll)},
        {QStringLiteral("clear"), text(clear)},
    };
}

const WebPageTexts *webPageTexts(const QString &code)
{
    for (const WebPageTexts &t : kLanguages) {
        if (code.compare(QLatin1String(t.code), Qt::CaseInsensitive) == 0)
            return &t;
    }
    return nullptr;
}

QStringList webPageLanguageCodes()
{
    QStringList codes;
    for (const WebPageTexts &t : kLanguages)
        codes << QLatin1String(t.code);
    return codes;
}

} // namespace Velloquin
