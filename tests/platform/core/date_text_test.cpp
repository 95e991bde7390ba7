#include "platform/core/date.h"
#include "platform/core/date_text.h"
#include "platform/core/unicode.h"

#include <gtest/gtest.h>

#include <string>

using namespace paginor;
using namespace paginor::platform;

namespace {

DATE make(int y, int m, int d, int h = 0, int mi = 0, int s = 0) {
    return *date_from_fields({WORD(y), WORD(m), 0, WORD(d), WORD(h), WORD(mi), WORD(s), 0});
}

} // namespace

TEST(DateText, FormatsPadAndDropTheTime) {
    DATE d = make(2026, 12, 5, 14, 35, 1);
    EXPECT_EQ(to_utf8(format_day_month_year(d) + u"|" + format_yyyymmdd(d) + u"|" +
                      format_year_month(d) + u"|" + format_stamp(d) + u"|" +
                      format_day_month_year(make(812, 1, 9)) + u"|" +
                      format_stamp(make(2024, 2, 29, 0, 0, 9))),
              "05 Dec 2026|20261205|2026-12|20261205143501|09 Jan 0812|20240229000009");
    EXPECT_EQ(std::u16string(month_short_name(9)) + u"|" + std::u16string(month_full_name(9)) +
                  u"|" + std::u16string(month_short_name(0)) + std::u16string(month_full_name(13)),
              u"Sep|September|"); // out of range: empty
}

TEST(DateText, EveryWrittenDateReadsBackAsMidnightOfTheSameDay) {
    for (int month = 1; month <= 12; ++month) {
        for (int day : {1, 9, 10, 28, days_in_month(2024, month)}) {
            DATE d = make(2024, month, day, 23, 59, 59);
            std::u16string text = format_day_month_year(d);
            EXPECT_EQ(parse_date(text, 1999), make(2024, month, day)) << to_utf8(text);
        }
    }
}

TEST(DateText, LenientParseAcceptsTheRegionalShapesAndNothingElse) {
    // Each accepted text as "text=YYYYMMDD"; 2026 is no leap year.
    for (std::u16string row :
         {u"5 december 2026=20261205", u"  5   DEC   2026  =20261205", u"Feb 2024=20240201",
          u"february 2024=20240201", u"5 Dec=20261205", u"Dec=20261201", u"sEpTeMbEr=20260901",
          u"2026-12-05=20261205", u"2024-2-9=20240209"}) {
        const size_t eq = row.find(u'=');
        std::optional<DATE> d = parse_date(row.substr(0, eq), 2026);
        ASSERT_TRUE(d) << to_utf8(row);
        EXPECT_EQ(format_yyyymmdd(*d), row.substr(eq + 1)) << to_utf8(row);
        EXPECT_EQ(*d, *date_only(*d)) << to_utf8(row);
    }
    for (const char16_t* text :
         {u"29 Feb",     u"31 Apr 2026", u"29 Feb 2025", u"2025-02-29",       u"2025-13-01",
          u"0 Jan 2026", u"202",         u"2024",        u"abcd-01-01",       u"5 Dec 24",
          u"Dec 5",      u"2026 Dec",    u"Decem 2026",  u"5 Dec 2026 extra", u"5.12.2026",
          u"",           u"   ",         u"0099-01-01",  u"123 Dec 2026",     u"2026-12-05-01"})
        EXPECT_FALSE(parse_date(text, 2026)) << '"' << to_utf8(text) << '"';
    EXPECT_EQ(format_yyyymmdd(*parse_date(u"29 Feb", 2024)), u"20240229");
}
