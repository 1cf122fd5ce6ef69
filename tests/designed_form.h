#pragma once

#include <utility>

// The window as it was designed, written down once for the tests of every window and of the form's own table:
// a typo in the product's table must fail a test.

// Window and controls as designed, in twips, containers first, the topmost of overlapping controls first,
// with the caption each shows, and the name and role that assistive technology gives it (UTF-8).
struct Placement {
    const char* name;
    const char* container;
    int left, top, width, height;
    const char* caption;
    const char* accessibleName;
    const char* role;
};

inline constexpr Placement kPlacements[] = {
    {"toNormalFrame", "converterWindow", 120, 3720, 6615, 1695, "taktische Zeit in normale Zeit",
     "taktische Zeit in normale Zeit", "grouping"},
    {"pasteButton", "toNormalFrame", 3480, 240, 2775, 375, "Aus der Zwischenablage einfügen",
     "Aus der Zwischenablage einfügen", "push button"},
    {"clearToNormalButton", "toNormalFrame", 3480, 1200, 2775, 375, "Eingaben löschen",
     "Eingaben löschen (taktische Zeit)", "push button"},
    {"toNormalButton", "toNormalFrame", 3480, 720, 2775, 375, "Umrechnen", "Umrechnen in normale Zeit", "push button"},
    {"dateResult", "toNormalFrame", 1800, 1200, 1575, 285, "", "Datum (Ergebnis)", "read-only text"},
    {"timeResult", "toNormalFrame", 1800, 720, 1575, 285, "", "Uhrzeit (Ergebnis)", "read-only text"},
    {"tacticalInput", "toNormalFrame", 1800, 240, 1575, 285, "", "taktische Zeit", "editable text"},
    {"dateResultCaption", "toNormalFrame", 120, 1200, 975, 255, "Datum:", "Datum:", "static text"},
    {"tacticalInputCaption", "toNormalFrame", 120, 240, 1575, 255, "taktische Zeit:", "taktische Zeit:", "static text"},
    {"timeResultCaption", "toNormalFrame", 120, 720, 1215, 255, "Uhrzeit:", "Uhrzeit:", "static text"},
    {"monthNamesFrame", "converterWindow", 120, 120, 3615, 1095, "Anzeigen mit deutschen / englischen Monaten",
     "Anzeigen mit deutschen / englischen Monaten", "grouping"},
    {"englishMonthsOption", "monthNamesFrame", 120, 720, 1695, 255, "englische Monate", "englische Monate",
     "radio button"},
    {"germanMonthsOption", "monthNamesFrame", 120, 360, 2295, 195, "deutsche Monate", "deutsche Monate",
     "radio button"},
    {"makerFrame", "converterWindow", 3840, 120, 2895, 1095, "", "Hersteller", "grouping"},
    {"logo", "makerFrame", 120, 360, 540, 540, "", "Logo", "graphic"},
    {"webLink", "makerFrame", 720, 480, 2055, 375, TAKTZEIT_WEB_ADDRESS, TAKTZEIT_WEB_ADDRESS, "link"},
    {"copyButton", "converterWindow", 3600, 2520, 2775, 375, "In die Zwischenablage kopieren",
     "In die Zwischenablage kopieren", "push button"},
    {"toTacticalFrame", "converterWindow", 120, 1320, 6615, 2175, "normale Zeit in taktische Zeit",
     "normale Zeit in taktische Zeit", "grouping"},
    {"clearToTacticalButton", "toTacticalFrame", 3480, 1680, 2775, 375, "Eingaben löschen",
     "Eingaben löschen (normale Zeit)", "push button"},
    {"nowButton", "toTacticalFrame", 3480, 240, 2775, 375, "Jetzt", "Jetzt", "push button"},
    {"timeInput", "toTacticalFrame", 1800, 240, 1575, 285, "", "Uhrzeit", "editable text"},
    {"dateInput", "toTacticalFrame", 1800, 720, 1575, 285, "", "Datum", "editable text"},
    {"tacticalResult", "toTacticalFrame", 1800, 1200, 1575, 285, "", "taktische Zeit (Ergebnis)", "read-only text"},
    {"toTacticalButton", "toTacticalFrame", 3480, 720, 2775, 375, "Umrechnen", "Umrechnen in taktische Zeit",
     "push button"},
    {"timeInputCaption", "toTacticalFrame", 120, 240, 1215, 255, "Uhrzeit:", "Uhrzeit:", "static text"},
    {"tacticalResultCaption", "toTacticalFrame", 120, 1200, 1575, 255,
     "taktische Zeit:", "taktische Zeit:", "static text"},
    {"dateInputCaption", "toTacticalFrame", 120, 720, 975, 255, "Datum:", "Datum:", "static text"},
    {"statusBar", "converterWindow", 0, 5565, 6870, 255, "", "Statusleiste", "status bar"},
};

// The hints of the inputs, which assistive technology says after their names.
inline constexpr std::pair<const char*, const char*> kDesignedHints[] = {
    {"timeInput", "Bitte im Format hh:mm:ss eingeben."},
    {"dateInput", "Bitte im Format tt.mm.jjjj eingeben"},
    {"tacticalInput", "Bitte im Format tthhmmMMMjjjj eingeben."},
};

// What the link says after its name.
inline constexpr char kDesignedLinkDescription[] = "Öffnet die Webseite im Browser";

// The title of the window and of every message box.
inline constexpr char16_t kDesignedTitle[] = u"- Umrechner taktische Zeit -";

// The keyboard order through every control that can take the focus.
inline constexpr const char* kDesignedTabOrder[] = {"toTacticalButton",
                                                    "tacticalResult",
                                                    "dateInput",
                                                    "timeInput",
                                                    "nowButton",
                                                    "copyButton",
                                                    "logo",
                                                    "germanMonthsOption",
                                                    "englishMonthsOption",
                                                    "tacticalInput",
                                                    "timeResult",
                                                    "dateResult",
                                                    "toNormalButton",
                                                    "clearToTacticalButton",
                                                    "clearToNormalButton",
                                                    "pasteButton"};

// The order in which a window makes its controls, topmost first: the keyboard order, each field after its label,
// then the rest, the frames last.
inline constexpr const char* kDesignedMakingOrder[] = {"toTacticalButton",
                                                       "tacticalResultCaption",
                                                       "tacticalResult",
                                                       "dateInputCaption",
                                                       "dateInput",
                                                       "timeInputCaption",
                                                       "timeInput",
                                                       "nowButton",
                                                       "copyButton",
                                                       "logo",
                                                       "germanMonthsOption",
                                                       "englishMonthsOption",
                                                       "tacticalInputCaption",
                                                       "tacticalInput",
                                                       "timeResultCaption",
                                                       "timeResult",
                                                       "dateResultCaption",
                                                       "dateResult",
                                                       "toNormalButton",
                                                       "clearToTacticalButton",
                                                       "clearToNormalButton",
                                                       "pasteButton",
                                                       "webLink",
                                                       "statusBar",
                                                       "toNormalFrame",
                                                       "monthNamesFrame",
                                                       "makerFrame",
                                                       "toTacticalFrame"};
