// SPDX-License-Identifier: MIT
// Solving a puzzle page written by Velloquin. The page holds the grid and the clues as
// HTML; this script makes them work: selection, typing, checking, revealing, and
// keeping the progress in local storage.
(function () {
  'use strict';

  var data = JSON.parse(document.getElementById('puzzle-data').textContent);
  var width = data.width;
  var height = data.height;
  var storageKey = 'velloquin-puzzle-' + data.id;
  var statusLine = document.getElementById('status');
  var currentClue = document.getElementById('current-clue');

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
  var wasCurrent = false;
  var solved = false;

  function wordOf(sq, inDown) {
    return sq ? (inDown ? sq.down : sq.across) : null;
  }

  function currentWord() {
    return wordOf(current, down);
  }

  function announce(text) {
    statusLine.textContent = text;
  }

  function labelFor(sq, word) {
    var label = word.number + (word.down ? ' Down' : ' Across') + ', letter ' +
      (word.squares.indexOf(sq) + 1) + ' of ' + word.squares.length;
    if (wrong[sq.index]) label += ', marked wrong';
    else if (revealed[sq.index]) label += ', revealed';
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

  // Selects square sq in the given direction (the other one when sq has no word there),
  // highlights its word and clue and moves the focus to it.
  function select(sq, inDown, keepFocus) {
    if (!sq) return;
    if (!wordOf(sq, inDown)) inDown = !inDown;
    var before = current;
    var beforeWord = currentWord();
    current = sq;
    down = inDown;
    var word = currentWord();
    if (beforeWord) {
      beforeWord.squares.forEach(function (q) { q.cell.classList.remove('in-word'); });
      beforeWord.clue.classList.remove('active');
      beforeWord.clue.removeAttribute('aria-current');
    }
    if (before) {
      before.cell.classList.remove('current');
      before.input.tabIndex = -1;
    }
    word.squares.forEach(function (q) {
      q.cell.classList.add('in-word');
      showSquare(q);
    });
    word.clue.classList.add('active');
    word.clue.setAttribute('aria-current', 'true');
    sq.cell.classList.add('current');
    sq.input.tabIndex = 0;
    currentClue.replaceChildren();
    var number = document.createElement('strong');
    number.textContent = word.number + (word.down ? ' Down' : ' Across');
    currentClue.appendChild(number);
    currentClue.appendChild(document.createTextNode(' '));
    currentClue.appendChild(word.clue.querySelector('.clue-text').cloneNode(true));
    if (!keepFocus && document.activeElement !== sq.input) sq.input.focus();
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
      revealed[i] = Array.isArray(saved.revealed) && saved.revealed[i] === true;
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
      announce(helped ? 'Solved! (' + helped + (helped === 1 ? ' letter' : ' letters') +
                        ' revealed)' : 'Solved!');
      document.body.classList.add('solved');
    } else if (!now && solved) {
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
    var u = ch.toUpperCase();
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

  // The next or previous word in the clue order; false at either end.
  function stepWord(step) {
    var at = currentWord().index + step;
    if (at < 0 || at >= words.length) return false;
    var word = words[at];
    var target = word.squares.filter(function (sq) { return values[sq.index] === ''; })[0];
    select(target || word.squares[0], word.down);
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

  words.forEach(function (word) {
    word.clue.addEventListener('click', function () {
      var target = word.squares.filter(function (sq) { return values[sq.index] === ''; })[0];
      select(target || word.squares[0], word.down);
    });
  });

  function reveal(list) {
    list.forEach(function (sq) {
      if (!isRight(sq)) {
        revealed[sq.index] = true;
        setValue(sq, answers[sq.index]);
      }
    });
    changed();
    if (current) current.input.focus();
  }

  document.getElementById('check').addEventListener('click', function () {
    var count = 0;
    squares.forEach(function (sq) {
      if (sq && values[sq.index] !== '' && !isRight(sq)) {
        wrong[sq.index] = true;
        count++;
        showSquare(sq);
      }
    });
    if (!solved) {
      announce(count === 0 ? 'No wrong letters so far.'
                           : count + (count === 1 ? ' wrong letter is' : ' wrong letters are') +
                             ' marked.');
    }
  });
  document.getElementById('reveal-letter').addEventListener('click', function () {
    if (current) reveal([current]);
  });
  document.getElementById('reveal-word').addEventListener('click', function () {
    if (current) reveal(currentWord().squares);
  });
  document.getElementById('reveal-all').addEventListener('click', function () {
    if (window.confirm('Show every answer?')) reveal(squares.filter(Boolean));
  });
  document.getElementById('clear').addEventListener('click', function () {
    if (!window.confirm('Clear every square and forget the progress of this puzzle?')) return;
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
    announce('Cleared.');
    if (current) current.input.focus();
  });

  load();
  squares.forEach(function (sq) { if (sq) showSquare(sq); });
  document.body.classList.add('scripted');
  select(words[0].squares[0], words[0].down, true);
  checkSolved();
})();
