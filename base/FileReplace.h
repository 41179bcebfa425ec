#pragma once

#include <string>

// Writes `content` to `path` through a hidden temporary file in the same folder, synced and
// then renamed over the old file, so the file is either the whole new content or untouched;
// the rename is made durable by syncing the folder. The new file gets `mode` as its
// permission bits. False when anything fails; then no temporary file is left behind.
bool ReplaceFileWhole(const std::string& path, const std::string& content, unsigned mode);
