// Hand-made JTWC warnings for the forms the real sample in data/ does not show. Written for
// these tests from the warnings' grammar; no centre issued them.
#pragma once

#include <string_view>

namespace hurricane::advisory {

// Hand-made: a southern-hemisphere warning issued on the last day of a year, with radii by
// semicircle and ELSEWHERE, a none (000 NM), stage words, remarks, and forecast points in
// January of the next year.
inline constexpr std::string_view kHandMadeSouthern =
    "WTXS31 PGTW 311500\n"
    "MSGID/GENADMIN/JOINT TYPHOON WRNCEN PEARL HARBOR HI//\n"
    "SUBJ/TROPICAL CYCLONE 05S (TEST) WARNING NR 009//\n"
    "RMKS/\n"
    "1. TROPICAL CYCLONE 05S (TEST) WARNING NR 009\n"
    "   01 ACTIVE TROPICAL CYCLONE IN SOUTHIO\n"
    "   MAX SUSTAINED WINDS BASED ON ONE-MINUTE AVERAGE\n"
    "    ---\n"
    "   WARNING POSITION:\n"
    "   311200Z --- NEAR 15.5S 075.2E\n"
    "     MOVEMENT PAST SIX HOURS - 225 DEGREES AT 10 KTS\n"
    "     POSITION ACCURATE TO WITHIN 030 NM\n"
    "   PRESENT WIND DISTRIBUTION:\n"
    "   MAX SUSTAINED WINDS - 065 KT, GUSTS 080 KT\n"
    "   RADIUS OF 064 KT WINDS - 020 NM NORTH SEMICIRCLE\n"
    "                            030 NM SOUTH SEMICIRCLE\n"
    "   RADIUS OF 050 KT WINDS - 040 NM EAST SEMICIRCLE\n"
    "                            050 NM WEST SEMICIRCLE\n"
    "   RADIUS OF 034 KT WINDS - 120 NM SOUTHWEST QUADRANT\n"
    "                            090 NM ELSEWHERE\n"
    "   REPEAT POSIT: 15.5S 075.2E\n"
    "    ---\n"
    "   FORECASTS:\n"
    "   12 HRS, VALID AT:\n"
    "   010000Z --- 16.1S 074.5E\n"
    "   MAX SUSTAINED WINDS - 060 KT, GUSTS 075 KT\n"
    "   RADIUS OF 050 KT WINDS - 000 NM NORTHEAST QUADRANT\n"
    "                            030 NM SOUTHEAST QUADRANT\n"
    "                            040 NM SOUTHWEST QUADRANT\n"
    "                            000 NM NORTHWEST QUADRANT\n"
    "   RADIUS OF 034 KT WINDS - 100 NM NORTHEAST QUADRANT\n"
    "                            090 NM ELSEWHERE\n"
    "   VECTOR TO 24 HR POSIT: 220 DEG/ 06 KTS\n"
    "    ---\n"
    "   24 HRS, VALID AT:\n"
    "   011200Z --- 17.0S 073.7E\n"
    "   MAX SUSTAINED WINDS - 045 KT, GUSTS 055 KT\n"
    "   BECOMING EXTRATROPICAL\n"
    "   RADIUS OF 034 KT WINDS - 080 NM SOUTH SEMICIRCLE\n"
    "                            060 NM NORTH SEMICIRCLE\n"
    "   VECTOR TO 48 HR POSIT: 240 DEG/ 05 KTS\n"
    "    ---\n"
    "   EXTENDED OUTLOOK:\n"
    "   48 HRS, VALID AT:\n"
    "   021200Z --- 18.0S 072.0E\n"
    "   MAX SUSTAINED WINDS - 025 KT, GUSTS 035 KT\n"
    "   DISSIPATING AS A SIGNIFICANT TROPICAL CYCLONE OVER WATER\n"
    "    ---\n"
    "REMARKS:\n"
    "311500Z POSITION NEAR 15.7S 075.0E.\n"
    "31DEC23. TROPICAL CYCLONE 05S (TEST), HAS TRACKED SOUTHWESTWARD. MINIMUM CENTRAL\n"
    "PRESSURE AT 311200Z IS 985 MB. MAXIMUM SIGNIFICANT WAVE HEIGHT AT\n"
    "311200Z IS 22 FEET. NEXT WARNINGS AT 312100Z AND 010300Z.//\n"
    "NNNN\n";

// Hand-made: the last warning on a South Pacific storm east of the 180th meridian, without
// forecasts beyond one dissipated over land, and without a name.
inline constexpr std::string_view kHandMadeFinal =
    "WTPS31 PGTW 020300\n"
    "MSGID/GENADMIN/JOINT TYPHOON WRNCEN PEARL HARBOR HI//\n"
    "SUBJ/TROPICAL DEPRESSION 12P WARNING NR 004//\n"
    "RMKS/\n"
    "   WARNING POSITION:\n"
    "   020000Z --- NEAR 18.2S 178.6W\n"
    "     MOVEMENT PAST SIX HOURS - 000 DEGREES AT 00 KTS\n"
    "   MAX SUSTAINED WINDS - 030 KT, GUSTS 040 KT\n"
    "   FORECASTS:\n"
    "   12 HRS, VALID AT:\n"
    "   021200Z --- 18.9S 179.5E\n"
    "   MAX SUSTAINED WINDS - 020 KT, GUSTS 030 KT\n"
    "   DISSIPATED AS A SIGNIFICANT TROPICAL CYCLONE OVER LAND\n"
    "REMARKS:\n"
    "02FEB24. THIS IS THE FINAL WARNING ON THIS SYSTEM BY THE JOINT TYPHOON WRNCEN\n"
    "PEARL HARBOR HI.//\n"
    "NNNN\n";

}  // namespace hurricane::advisory
