#pragma once
#include <clocale>
#include <locale>
#include <string>

// Puts the process under a locale that writes "," as the decimal point and
// "." between thousands (the C++ global locale always, the C locale too when
// a German or French one is installed), and restores the classic one after.
class ForeignLocale {
public:
    ForeignLocale() : previous_(std::locale()) {
        std::locale::global(std::locale(std::locale::classic(), new CommaPoint));
        for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "de_DE", "fr_FR"}) {
            if (std::setlocale(LC_ALL, name) != nullptr) break;
        }
    }
    ~ForeignLocale() {
        std::locale::global(previous_);
        std::setlocale(LC_ALL, "C");
    }

private:
    struct CommaPoint : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
        char do_thousands_sep() const override { return '.'; }
        std::string do_grouping() const override { return "\3"; }
    };
    std::locale previous_;
};
