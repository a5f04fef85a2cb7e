// Listing, replaying, caching, ranking and bounding the kept games. Special
// files are never opened for reading (stat first, then open without
// blocking and check again); the lock covers every write in the folder, so
// two games kept at once never touch each other's files.
#include "app/best_games.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <map>
#include <tuple>

#include "app/regular_file.h"
#include "app/replay_source.h"
#include "app/startup.h"

namespace {

const char* const gameSuffix = ".txt";
const char* const cacheName = ".rows";
const char* const lockName = ".lock";
// Temporary files of a game being written; any left while the lock is held
// belong to a writer that died.
const char* const tempPrefix = ".keeping-";

struct CacheKey {
    uint64_t hash;
    uint64_t size;
    bool operator<(const CacheKey& o) const {
        return std::tie(hash, size) < std::tie(o.hash, o.size);
    }
};
using RowCache = std::map<CacheKey, KeptRow>;

uint64_t contentHash(const std::string& bytes) {  // FNV-1a, 64 bits
    uint64_t hash = 14695981039346656037ull;
    for (const char c : bytes) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    return hash;
}

bool endsWith(const std::string& s, const char* suffix) {
    const std::size_t n = std::strlen(suffix);
    return s.size() > n && s.compare(s.size() - n, n, suffix) == 0;
}

std::string stem(const std::string& name) { return name.substr(0, name.size() - 4); }

int64_t stampTime(const std::string& name, int64_t fallback) {
    std::tm t{};
    char z = 0;
    if (std::sscanf(name.c_str(), "%4d-%2d-%2dT%2d-%2d-%2d%c", &t.tm_year, &t.tm_mon, &t.tm_mday,
                    &t.tm_hour, &t.tm_min, &t.tm_sec, &z) != 7 ||
        z != 'Z')
        return fallback;
    t.tm_year -= 1900, t.tm_mon -= 1;
    return timegm(&t);
}

// Best first: the higher score, then the earlier game.
bool better(const BestGame& a, const BestGame& b) {
    return std::tuple(-static_cast<int64_t>(a.row.score), a.endTime, stem(a.name)) <
           std::tuple(-static_cast<int64_t>(b.row.score), b.endTime, stem(b.name));
}
bool later(const BestGame& a, const BestGame& b) {
    return std::tuple(a.endTime, stem(a.name)) > std::tuple(b.endTime, stem(b.name));
}

void leftOut(const std::string& folder, const std::string& name, const char* why) {
    std::fprintf(stderr, "zandok: %s/%s %s, left out\n", folder.c_str(), name.c_str(), why);
}

// The cache: one line per game, "hash size score level blocks damaged end
// name"; anything else in it is ignored.
struct CacheLine {
    CacheKey key;
    BestGame game;
};

std::vector<CacheLine> readCache(const std::string& folder) {
    std::vector<CacheLine> lines;
    std::FILE* in = openRegularForReading(folder + "/" + cacheName);
    if (!in) return lines;
    char text[4096];
    while (std::fgets(text, sizeof text, in)) {
        CacheLine l;
        int damaged = 0, at = 0;
        long long end = 0;
        if (std::sscanf(text, "%" SCNx64 " %" SCNu64 " %d %d %d %d %lld %n", &l.key.hash,
                        &l.key.size, &l.game.row.score, &l.game.row.level, &l.game.row.blocks,
                        &damaged, &end, &at) != 7 ||
            at == 0)
            continue;
        l.game.name = text + at;
        if (!endsWith(l.game.name, "\n")) continue;  // a cut line
        l.game.name.pop_back();
        l.game.row.damaged = damaged != 0, l.game.endTime = end;
        lines.push_back(l);
    }
    std::fclose(in);
    return lines;
}

// Writes text whole into a new temporary file in folder, whose name does not
// end in ".txt"; a game to keep is also made readable to all and reaches the
// disk. The file's path, or empty when it could not be written.
std::string writeTemporary(const std::string& folder, const std::string& text, bool game) {
    std::string temp = folder + "/" + tempPrefix + "XXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd < 0) return "";
    constexpr std::size_t chunk = 65536;
    bool written = !game || fchmod(fd, 0644) == 0;
    for (std::size_t at = 0; written && at < text.size(); at += chunk) {
        const std::size_t n = std::min(chunk, text.size() - at);
        written = write(fd, text.data() + at, n) == static_cast<ssize_t>(n);
    }
    const bool synced = !game || fdatasync(fd) == 0;
    written = close(fd) == 0 && synced && written;
    if (written) return temp;
    unlink(temp.c_str());
    return "";
}

// Replaces the file at path with text, atomically.
void replaceFile(const std::string& folder, const std::string& path, const std::string& text) {
    const std::string temp = writeTemporary(folder, text, false);
    if (!temp.empty() && std::rename(temp.c_str(), path.c_str()) != 0) unlink(temp.c_str());
}

void writeCache(const std::string& folder, const std::vector<CacheLine>& lines) {
    std::string text;
    for (const CacheLine& l : lines) {
        if (l.game.name.find('\n') != std::string::npos) continue;
        char head[160];
        std::snprintf(head, sizeof head, "%016" PRIx64 " %" PRIu64 " %d %d %d %d %lld ", l.key.hash,
                      l.key.size, l.game.row.score, l.game.row.level, l.game.row.blocks,
                      l.game.row.damaged ? 1 : 0, static_cast<long long>(l.game.endTime));
        text += head + l.game.name + "\n";
    }
    replaceFile(folder, folder + "/" + cacheName, text);
}

// The file whole, when it is a regular file of at most MaxReplayBytes.
bool readGame(const std::string& folder, const std::string& name, std::string& bytes,
              struct stat& info) {
    const std::string path = folder + "/" + name;
    if (stat(path.c_str(), &info) != 0) return leftOut(folder, name, "cannot be read"), false;
    if (!S_ISREG(info.st_mode)) return leftOut(folder, name, "is not a regular file"), false;
    if (info.st_size > static_cast<off_t>(MaxReplayBytes))
        return leftOut(folder, name, "is too large"), false;
    std::FILE* in = openRegularForReading(path);
    if (!in) return leftOut(folder, name, "cannot be read"), false;
    // One byte more than it says tells a file that grew past the limit.
    bytes.resize(std::min(static_cast<std::size_t>(info.st_size), MaxReplayBytes) + 1);
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), in));
    const bool read = !std::ferror(in) && bytes.size() <= MaxReplayBytes;
    std::fclose(in);
    if (!read) leftOut(folder, name, "cannot be read");
    return read;
}

std::vector<std::string> gameNames(const std::string& folder) {
    std::vector<std::string> names;
    DIR* dir = opendir(folder.c_str());
    if (!dir) return names;
    while (const dirent* entry = readdir(dir))
        if (endsWith(entry->d_name, gameSuffix)) names.emplace_back(entry->d_name);
    closedir(dir);
    return names;
}

// The table and its cache lines; changed: the cache no longer matches it.
std::vector<CacheLine> tableLines(const std::string& folder, bool& changed) {
    const std::vector<CacheLine> old = readCache(folder);
    RowCache cache;
    for (const CacheLine& l : old) cache[l.key] = l.game.row;
    std::vector<CacheLine> lines;
    for (const std::string& name : gameNames(folder)) {
        std::string bytes;
        struct stat info {};
        if (!readGame(folder, name, bytes, info)) continue;
        CacheLine l{{contentHash(bytes), bytes.size()}, {name, 0, {}}};
        l.game.endTime = stampTime(name, info.st_mtime);
        const auto hit = cache.find(l.key);
        l.game.row = hit != cache.end() ? hit->second : replayToRow(bytes);
        lines.push_back(l);
    }
    std::sort(lines.begin(), lines.end(),
              [](const CacheLine& a, const CacheLine& b) { return better(a.game, b.game); });
    changed = lines.size() != old.size();
    for (std::size_t i = 0; !changed && i < lines.size(); ++i)
        changed = lines[i].key < old[i].key || old[i].key < lines[i].key ||
                  lines[i].game.name != old[i].game.name ||
                  lines[i].game.endTime != old[i].game.endTime;
    return lines;
}

std::vector<BestGame> gamesOf(const std::vector<CacheLine>& lines) {
    std::vector<BestGame> games;
    for (const CacheLine& l : lines) games.push_back(l.game);
    return games;
}

}  // namespace

GamesLock::GamesLock(const std::string& folder) {
    fd = open((folder + "/" + lockName).c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    for (int tries = 0; fd >= 0 && flock(fd, LOCK_EX | LOCK_NB) != 0; ++tries) {
        if (tries == 100) close(fd), fd = -1;
        usleep(10000);
    }
}

GamesLock::~GamesLock() {
    if (fd >= 0) close(fd);
}

std::string keptGamesFolder() {
    const std::string data = dataFolderPath();
    return data.empty() ? data : data + "/games";
}

std::string keptGameName(int64_t endTime, long pid, int suffix) {
    const std::time_t t = static_cast<std::time_t>(endTime);
    std::tm utc{};
    gmtime_r(&t, &utc);
    char name[80];
    const std::size_t n = std::strftime(name, sizeof name, "%Y-%m-%dT%H-%M-%SZ", &utc);
    std::snprintf(name + n, sizeof name - n, suffix > 1 ? "-%ld-%d.txt" : "-%ld.txt", pid, suffix);
    return name;
}

std::vector<BestGame> readBestGames(const std::string& folder) {
    bool changed = false;
    std::vector<CacheLine> lines = tableLines(folder, changed);
    if (!changed) return gamesOf(lines);
    // Replaying took no lock; a game pruned meanwhile is not cached.
    const GamesLock lock(folder);
    if (!lock.held()) return gamesOf(lines);
    std::vector<CacheLine> present = lines;
    struct stat info {};
    std::erase_if(present, [&](const CacheLine& l) {
        return lstat((folder + "/" + l.game.name).c_str(), &info) != 0;
    });
    writeCache(folder, present);
    return gamesOf(lines);
}

std::vector<BestGame> cachedBestGames(const std::string& folder) {
    std::vector<BestGame> games = gamesOf(readCache(folder));
    std::sort(games.begin(), games.end(), better);
    return games;
}

std::vector<std::string> gamesOutOfBounds(const std::vector<BestGame>& ranked) {
    std::vector<BestGame> recent = ranked;
    std::sort(recent.begin(), recent.end(), later);
    std::vector<std::string> out;
    for (std::size_t i = BestScoresKept; i < ranked.size(); ++i) {
        const auto at = std::find_if(recent.begin(), recent.end(),
                                     [&](const BestGame& g) { return g.name == ranked[i].name; });
        if (at - recent.begin() >= static_cast<std::ptrdiff_t>(RecentGamesKept))
            out.push_back(ranked[i].name);
    }
    return out;
}

bool pruneBestGames(const std::string& folder) {
    // Replaying a big game takes seconds: done and cached before the lock,
    // so that a game being kept never waits for it.
    readBestGames(folder);
    const GamesLock lock(folder);
    if (!lock.held()) return false;
    bool changed = false;
    std::vector<CacheLine> lines = tableLines(folder, changed);
    const std::vector<std::string> out = gamesOutOfBounds(gamesOf(lines));
    for (const std::string& name : out) unlink((folder + "/" + name).c_str());
    std::erase_if(lines, [&](const CacheLine& l) {
        return std::find(out.begin(), out.end(), l.game.name) != out.end();
    });
    writeCache(folder, lines);
    return true;
}

std::string writeKeptGame(const std::string& folder, const std::string& words, int64_t endTime) {
    const GamesLock lock(folder);
    if (lock.held())  // what dead writers left
        for (DIR* dir = opendir(folder.c_str()); dir; dir = (closedir(dir), nullptr))
            while (const dirent* entry = readdir(dir))
                if (std::strncmp(entry->d_name, tempPrefix, std::strlen(tempPrefix)) == 0)
                    unlinkat(dirfd(dir), entry->d_name, 0);
    const std::string temp = writeTemporary(folder, words, true);
    if (temp.empty()) return "";
    for (int suffix = 1; suffix < 1000; ++suffix) {
        const std::string name = keptGameName(endTime, getpid(), suffix);
        // A hard link never replaces a game already there.
        if (link(temp.c_str(), (folder + "/" + name).c_str()) == 0) {
            unlink(temp.c_str());
            return name;
        }
        if (errno != EEXIST) break;
    }
    unlink(temp.c_str());
    return "";
}
