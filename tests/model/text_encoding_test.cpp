// What a field whose text goes into the plan keeps of typed text: the edges of the code page on both
// sides, characters of one to four bytes, the comma rule, and the hint naming the refused character.
#include "model/text_encoding.h"

#include <gtest/gtest.h>

#include <optional>

using namespace sb::model;

TEST(StorableText, KeepsWhatTheCodePageHoldsAndNamesTheFirstCharacterDropped) {
    struct Case {
        const char* typed;
        bool commaAsDot;
        const char* kept;
        std::optional<char32_t> refused;
    };
    for (const Case& c : std::initializer_list<Case>{
             {"Łódź 😀", false, "ód ", U'Ł'},
             {"ÿ Ā", false, "ÿ ", U'Ā'},               // the last Latin-1 letter, and the first beyond
             {"€ Ÿ ž", false, "€ Ÿ ž", std::nullopt},  // the code page's own letters above 0x7F
             {"\x7F\xC2\x81", false, "\x7F\xC2\x81", std::nullopt},  // controls survive a round trip
             {"Ő–Ș", false, "–", U'Ő'},
             {"a😀", false, "a", U'😀'},
             {"12,5 km, flach", true, "12.5 km. flach", std::nullopt},
             {"12,5", false, "12,5", std::nullopt},
             {"", true, "", std::nullopt},
         }) {
        StorableText result = storableText(c.typed, c.commaAsDot);
        EXPECT_EQ(result.text, c.kept) << c.typed;
        EXPECT_EQ(result.refused, c.refused) << c.typed;
    }
    EXPECT_EQ(unstorableHint(U'ł'), "„ł“ kann im Saisonbuch nicht gespeichert werden.");
    EXPECT_EQ(unstorableHint(U'😀'), "„😀“ kann im Saisonbuch nicht gespeichert werden.");
}
