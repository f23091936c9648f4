// Before the game starts: the player's data folder is the browser's IndexedDB, loaded first.
Module.preRun = Module.preRun || [];
Module.preRun.push(function() {
  var folder = '/home/web_user/.local/share';
  FS.mkdirTree(folder);
  FS.mount(IDBFS, {}, folder);
  addRunDependency('player data');
  FS.syncfs(true, function(error) {
    if (error)
      err('ryke: best scores: the browser keeps none here: ' + error);
    removeRunDependency('player data');
  });
});
