#pragma once
// A document handed to the rich-text reader in pieces of a chosen size, so
// that every byte can fall on the border of a piece; it counts what it hands out.
#include <algorithm>
#include <cstddef>
#include <string_view>

#include "conductivity/rtf.h"

namespace fluvan::test {

class Stueckquelle : public conductivity::Quelle {
public:
    Stueckquelle(std::string_view daten, std::size_t stueck) : rest(daten), ganz(daten.size()), stueck(stueck) {}

    std::size_t lies(char* ziel, std::size_t platz) override {
        const std::size_t n = std::min({platz, stueck, rest.size()});
        std::copy_n(rest.data(), n, ziel);
        rest.remove_prefix(n);
        gezogen += n;
        return n;
    }
    std::size_t groesse() const override { return ganz; }

    std::size_t gezogen = 0;  // bytes handed to the reader so far

private:
    std::string_view rest;
    std::size_t ganz, stueck;
};

}  // namespace fluvan::test
