#include "Paths.h"

#include "Gbk.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vt {

std::string fsName(const std::string& gbkPath) {
    std::string out;
    if (gbkToUtf8(gbkPath, out)) return out;
    return gbkPath;
}

std::string fromFsName(const std::string& fsPathText) {
    std::string out;
    if (utf8ToGbk(fsPathText, out)) return out;
    return fsPathText;
}

bool fileExists(const std::string& gbkPath) {
    struct stat st;
    return ::stat(fsName(gbkPath).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool isReadable(const std::string& gbkPath) {
    return fileExists(gbkPath) && ::access(fsName(gbkPath).c_str(), R_OK) == 0;
}

bool dirExists(const std::string& gbkPath) {
    struct stat st;
    return ::stat(fsName(gbkPath).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool makeDirs(const std::string& gbkPath) {
    std::string p = fsName(gbkPath);
    if (p.empty()) return false;
    for (size_t i = 1; i <= p.size(); ++i) {
        if (i == p.size() || p[i] == '/') {
            std::string part = p.substr(0, i);
            struct stat st;
            if (::stat(part.c_str(), &st) != 0) {
                if (::mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) return false;
            }
        }
    }
    return dirExists(gbkPath);
}

int64_t fileSize(const std::string& gbkPath) {
    struct stat st;
    if (::stat(fsName(gbkPath).c_str(), &st) != 0) return -1;
    return static_cast<int64_t>(st.st_size);
}

std::vector<std::string> listFiles(const std::string& gbkFolder, const std::string& suffix) {
    std::vector<std::string> names;
    std::string folder = fsName(gbkFolder);
    DIR* d = ::opendir(folder.c_str());
    if (!d) return names;
    while (dirent* e = ::readdir(d)) {
        std::string n = e->d_name;
        if (n == "." || n == "..") continue;
        if (n.size() < suffix.size()) continue;
        bool match = true;
        for (size_t i = 0; i < suffix.size(); ++i) {
            if (std::tolower(static_cast<unsigned char>(n[n.size() - suffix.size() + i])) !=
                std::tolower(static_cast<unsigned char>(suffix[i]))) {
                match = false;
                break;
            }
        }
        if (!match) continue;
        struct stat st;
        if (::stat((folder + "/" + n).c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        names.push_back(fromFsName(n));
    }
    ::closedir(d);
    return names;
}

std::string joinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

std::string dirOf(const std::string& path) {
    size_t p = path.find_last_of("/\\");
    return p == std::string::npos ? std::string() : path.substr(0, p + 1);
}

bool readWholeFile(const std::string& gbkPath, std::string& out) {
    out.clear();
    FILE* f = std::fopen(fsName(gbkPath).c_str(), "rb");
    if (!f) return false;
    char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
    bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

std::string envOr(const char* name, const std::string& fallback) {
    const char* v = std::getenv(name);
    return (v && *v) ? std::string(v) : fallback;
}

} // namespace vt
