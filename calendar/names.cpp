// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/names.h"

#include "calendar/reckonings.h"

namespace {

// As the Bombay Samachar, the Gujarati Parsi daily, prints the Shahenshahi, Kadmi and Fasli roz
// and mah in its almanac column ("આજનું પંચાંગ", 2022 to 2024); the few days not seen there
// follow its spelling of their parts, as દએપમેહેર follows દએપઆદર and મેહેર. Bahman is બહમન, as
// the Parsi press writes its roz and its mah ("બહમન રોજ", "બહમન ઉશ્તાની"), and Ashish-vangh ends
// in ઘ, the "gh" of its English name. Avardad-sal-gah is written with blanks, as Gujarati has no
// hyphen of its own.
constexpr std::string_view kGujarati[36] = {
    "હોરમજદ",  "બહમન",    "અર્દીબહેશ્ત",  "શહેરેવર",          "સ્પેન્દાર્મદ", "ખોરદાદ", "અમરદાદ", "દએપઆદર",
    "આદર",     "આવાં",     "ખોરશેદ",     "મોહોર",          "તીર",      "ગોશ",    "દએપમેહેર", "મેહેર",
    "સરોશ",    "રશ્ને",     "ફરવરદીન",   "બહેરામ",          "રામ",      "ગોવાદ",  "દએપદીન", "દીન",
    "અશીશવંઘ",  "આસતાદ",   "આસમાન",     "જમીઆદ",          "મારેસ્પંદ",   "અનેરાન",  "અહુનવદ",  "ઉસ્તવદ",
    "સ્પેન્તોમદ", "વોહુક્ષથ્ર", "વહીસ્તોઈસ્ત", "અવરદાદ સાલ ગાહ",
};

// As Iranian Zoroastrians write them: roz 1 to 30 and the Gatha days from the Persian
// Wikipedia's list of the names of the days of the month ("فهرست نام روزهای ماه"), roz 36
// as اورداد, the extra day of the year.
constexpr std::string_view kPersian[36] = {
    "اورمزد", "بهمن",    "اردیبهشت", "شهریور", "سپندارمذ", "خرداد",  "امرداد",    "دی به آذر",
    "آذر",    "آبان",    "خور",      "ماه",    "تیر",      "گوش",    "دی به مهر", "مهر",
    "سروش",   "رشن",     "فروردین",  "بهرام",  "رام",      "باد",    "دی به دین", "دین",
    "ارد",    "اشتاد",   "آسمان",    "زامیاد", "مهراسپند", "انارام", "اهنود",     "اشتود",
    "سپنتمد", "وهوخشتر", "وهشتواش",  "اورداد",
};

// Each mah is named after a roz, and spelled as that roz, but for Dae, the tenth, which has a
// name of its own (0 here).
constexpr int kNamesake[12] = {19, 3, 6, 13, 7, 4, 16, 10, 9, 0, 2, 5};

} // namespace

std::string_view RozNameIn(int roz, Script script)
{
    switch (script) {
    case Script::English:
        return RozRowOf(roz).name;
    case Script::Gujarati:
        return kGujarati[roz - 1];
    case Script::Persian:
        break;
    }
    return kPersian[roz - 1];
}

std::string_view MahNameIn(int mah, Script script)
{
    if (script == Script::English)
        return MahName(mah);
    if (mah == 10)
        return script == Script::Gujarati ? "દએ" : "دی";
    // The Unicode CLDR names Iran's twelfth month Esfand, not Spandarmad after its roz.
    if (mah == 12 && script == Script::Persian)
        return "اسفند";
    return RozNameIn(kNamesake[mah - 1], script);
}
