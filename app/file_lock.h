// An advisory lock on a file the game writes into, so that two games never
// write one file: the recording, and any other file of the data folder.
#pragma once

// Takes the exclusive lock of the open file fd without waiting; false when
// another open of the file (in this or another process) holds it. The lock
// lasts until the last descriptor sharing this open is closed.
bool lockFile(int fd);
