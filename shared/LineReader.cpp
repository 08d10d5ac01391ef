#include "shared/LineReader.h"

namespace kestrowa {

bool LineReader::Next(std::string& line) {
    line.clear();
    while (line.size() < limit_) {
        int c = std::getc(file_);
        if (c == EOF) return !line.empty();
        if (c == '\r') {
            int next = std::getc(file_);
            if (next == '\n') return true;
            if (next != EOF) std::ungetc(next, file_);
        } else if (c == '\n') {
            return true;
        }
        line += static_cast<char>(c);
    }
    return true;
}

}  // namespace kestrowa
