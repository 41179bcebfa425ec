#pragma once

#include <string>

// Writes `content` to `path` through a hidden temporary file in the same folder
// (".NAME.XXXXXX"), synced and then renamed over the old file, so the file is either the whole
// new content or untouched; the rename is made durable by syncing the folder. The new file gets
// `mode` as its permission bits. False when anything fails; then no temporary file is left
// behind. While it writes it holds a lock on the folder, which RemoveStaleReplaceFiles in any
// process respects; it waits a moment for another holder and then goes on without.
bool ReplaceFileWhole(const std::string& path, const std::string& content, unsigned mode);

// Removes what ReplaceFileWhole(path, ...) left behind when its process died halfway (a kill,
// a crash, a power cut): the regular files beside `path` named as its temporary files are.
// Only while no save holds the folder: a save running in another process keeps its file, and
// where the file system has no locks nothing is known to be stale and nothing is removed.
// Returns how many files went.
int RemoveStaleReplaceFiles(const std::string& path);
