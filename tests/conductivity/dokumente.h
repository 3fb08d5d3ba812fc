#pragma once
// Documents for the conductivity tests: the fixtures beside this file, and
// files a test writes for itself, removed again when it is done.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

namespace fluvan::test {

inline std::filesystem::path testdokument(const char* name) {
    return std::filesystem::path(FLUVAN_TESTDOKUMENTE) / name;
}

// A file in a folder of this process's own, gone with the object.
class Temporaerdatei {
public:
    Temporaerdatei(const std::string& name, const std::string& inhalt)
        : ordner(std::filesystem::temp_directory_path() / ("fluvan_test_" + std::to_string(::getpid()))),
          pfad(ordner / name) {
        std::filesystem::create_directories(ordner);
        std::ofstream(pfad, std::ios::binary) << inhalt;
    }
    ~Temporaerdatei() {
        std::error_code egal;
        std::filesystem::remove(pfad, egal);
        std::filesystem::remove(ordner, egal);  // only once it is empty
    }
    Temporaerdatei(const Temporaerdatei&) = delete;
    Temporaerdatei& operator=(const Temporaerdatei&) = delete;

    const std::filesystem::path& operator()() const { return pfad; }

private:
    std::filesystem::path ordner, pfad;
};

// An RTF document whose text is exactly `zeichen` characters long: "Aaa",
// digits, and "Aab" as its last three characters.
inline std::string langesDokument(std::size_t zeichen) {
    std::string rtf = "{\\rtf1 Aaa";
    rtf.append(zeichen - 6, '0');
    rtf += "Aab}";
    return rtf;
}

}  // namespace fluvan::test
