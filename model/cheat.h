// The gap-filling cheat (key 6) and its replayed form.
#pragma once

void cheatCommand();
