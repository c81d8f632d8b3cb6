// Runs inside the program's JavaScript before it starts: its arguments, the player's folder
// kept in the browser's IndexedDB, the hooks the program calls (keepPlayerFiles,
// onGameEnded), and a few figures about the passes for the page and its test.

// The packed data sits at /game; the log, the console history and the player's files go to
// the usual folders under $HOME/.local, which is kept in IndexedDB.
Module['arguments'] = ['--data', '/game'];
// Sounds are read from the packed files and decoded by the page's audio context.
Module['noAudioDecoding'] = true;
var kPlayerRoot = '/home/web_user/.local';

Module['preRun'] = Module['preRun'] || [];
Module['preRun'].push(function() {
  FS.mkdirTree(kPlayerRoot);
  try {
    FS.mount(IDBFS, {}, kPlayerRoot);
  } catch (e) {
    console.warn('The player\'s files are not kept: ' + e);
    return;
  }
  addRunDependency('player-files');
  FS.syncfs(true, function(err) {
    if (err) console.warn('The player\'s saved files could not be read: ' + err);
    removeRunDependency('player-files');
  });
});

// One copy to IndexedDB at a time; asks during a copy give one more copy after it.
var playerFilesCopying = false;
var playerFilesAgain = false;
Module['keepPlayerFiles'] = function() {
  if (playerFilesCopying) {
    playerFilesAgain = true;
    return;
  }
  playerFilesCopying = true;
  FS.syncfs(false, function(err) {
    playerFilesCopying = false;
    if (err) console.warn('The player\'s files could not be kept: ' + err);
    if (playerFilesAgain) {
      playerFilesAgain = false;
      Module['keepPlayerFiles']();
    }
  });
};

Module['logFile'] = kPlayerRoot + '/state/bubble-hush/log.txt';
Module['readLog'] = function() {
  try {
    return FS.readFile(Module['logFile'], {encoding: 'utf8'});
  } catch (e) {
    return '';
  }
};

// Figures of the passes the page runs: their count, the time each took (the last 2000), and
// when the canvas first showed something (milliseconds since the page began to load).
Module['passes'] = {count: 0, times: [], firstPicture: 0};
var passStart = 0;
Module['preMainLoop'] = function() {
  passStart = performance.now();
};
Module['postMainLoop'] = function() {
  var stats = Module['passes'];
  var now = performance.now();
  stats.count++;
  stats.times.push(now - passStart);
  if (stats.times.length > 2000) stats.times.shift();
  if (!stats.firstPicture) {
    var canvas = Module['canvas'];
    var pixel = canvas.getContext('2d').getImageData(canvas.width >> 1, canvas.height >> 1, 1, 1).data;
    if (pixel[0] || pixel[1] || pixel[2]) stats.firstPicture = now;
  }
};
