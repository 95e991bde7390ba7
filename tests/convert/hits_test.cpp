#include "convert/hits.h"

#include <gtest/gtest.h>

namespace paginor::convert {
namespace {

std::vector<HitTerm> terms(std::initializer_list<std::pair<std::vector<std::u16string>, bool>> t) {
    std::vector<HitTerm> out;
    for (const auto& [words, prefix] : t) {
        out.push_back({words, prefix});
    }
    return out;
}

TEST(HitList, ParsesTermsPhrasesPrefixesAndCriteria) {
    struct Case {
        std::u16string list;
        std::vector<HitTerm> expected;
    };
    const Case cases[] = {
        {u"  Contract  Smith ", terms({{{u"contract"}, false}, {{u"smith"}, false}})},
        {u"\"Quarterly Report\" lease*",
         terms({{{u"quarterly", u"report"}, false}, {{u"lease"}, true}})},
        {u"\"net pro\"* e-mail", terms({{{u"net", u"pro"}, true}, {{u"e", u"mail"}, false}})},
        {u"(Client contains (Müller)) and (Matter contains (\"big deal\" lea*))",
         terms({{{u"müller"}, false}, {{u"big", u"deal"}, false}, {{u"lea"}, true}})},
        {u"(Client CONTAINS (x)) or (Client contains (y",
         terms({{{u"x"}, false}, {{u"y"}, false}})},
        {u"* \"\" -- \"open", terms({{{u"open"}, false}})},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parse_hit_list(c.list), c.expected) << std::string(c.list.begin(), c.list.end());
    }
}

TEST(HitMatch, WordBoundariesCaseLongestAndNoOverlap) {
    struct Case {
        std::u16string list;
        std::u16string text;
        std::vector<Hit> expected;
    };
    const Case cases[] = {
        {u"contract", u"Contract, contracts; CONTRACT.", {{0, 8}, {21, 29}}},
        {u"contract*", u"a contracts b", {{2, 11}}},
        {u"big \"big deal\"", u"big  deal big", {{0, 9}, {10, 13}}},
        {u"\"big deal\"", u"big\ndeal", {}},
        {u"\"deal big\" big", u"big deal big", {{0, 3}, {4, 12}}},
        {u"müller ÉTÉ", u"MÜLLER été", {{0, 6}, {7, 10}}},
        {u"x", u"", {}},
        {u"", u"anything", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(find_hits(c.text, parse_hit_list(c.list)), c.expected)
            << std::string(c.list.begin(), c.list.end());
    }
}

} // namespace
} // namespace paginor::convert
