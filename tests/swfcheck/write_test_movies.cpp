// Writes every test movie, plain ("<name>.swf") and compressed ("<name>_cws.swf"), into the
// folder given, each with "<name>.expect": what the writer meant to write, as JSON, for the
// independent parser check. With --seeds only the movies are written (the fuzzer's seeds).
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

#include "SwfTestMovies.h"

namespace {

bool Save(const std::string& path, const swftest::Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

std::string Codes(const std::vector<int>& codes)
{
    std::string s = "[";
    for (std::size_t i = 0; i < codes.size(); ++i) s += (i ? ", " : "") + std::to_string(codes[i]);
    return s + "]";
}

std::string Expectation(const std::string& name, const swftest::MovieWriter& m)
{
    const swftest::Rect r = m.Stage();
    std::string sprites = "[";
    for (std::size_t i = 0; i < m.SpriteCodes().size(); ++i) sprites += (i ? ", " : "") + Codes(m.SpriteCodes()[i]);
    sprites += "]";
    return "{\"files\": {\"" + name + ".swf\": \"FWS\", \"" + name + "_cws.swf\": \"CWS\"},\n" +
           " \"version\": " + std::to_string(m.Version()) + ", \"length\": " + std::to_string(m.Plain().size()) +
           ",\n \"stage\": [" + std::to_string(r.xMin) + ", " + std::to_string(r.xMax) + ", " + std::to_string(r.yMin) +
           ", " + std::to_string(r.yMax) + "], \"rate\": " + std::to_string(static_cast<int>(m.Rate() * 256)) +
           ", \"frames\": " + std::to_string(m.Frames()) + ",\n \"tags\": " + Codes(m.Codes()) +
           ",\n \"sprites\": " + sprites + "}\n";
}

} // namespace

int main(int argc, char** argv)
{
    const bool seedsOnly = argc == 3 && std::string(argv[1]) == "--seeds";
    if (argc != 2 && !seedsOnly) {
        std::cerr << "usage: write_test_movies [--seeds] <folder>\n";
        return 2;
    }
    const std::string folder = argv[argc - 1];
    for (const auto& [name, movie] : swftest::AllTestMovies()) {
        const std::string base = folder + "/" + name;
        bool ok = Save(base + ".swf", movie.Plain()) && Save(base + "_cws.swf", movie.Compressed());
        if (!seedsOnly) {
            std::ofstream expect(base + ".expect");
            expect << Expectation(name, movie);
            ok = ok && static_cast<bool>(expect);
        }
        if (!ok) {
            std::cerr << "cannot write " << base << "\n";
            return 1;
        }
    }
    return 0;
}
