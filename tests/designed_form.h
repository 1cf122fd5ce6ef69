#pragma once

// The window as it was designed, written down once for the tests of every window and of the form's own table:
// a typo in the product's table must fail a test.

// Window and controls as designed, in twips, containers first, the topmost of overlapping controls first,
// with the caption each shows (UTF-8).
struct Placement {
    const char* name;
    const char* container;
    int left, top, width, height;
    const char* caption;
};

inline constexpr Placement kPlacements[] = {
    {"toNormalFrame", "converterWindow", 120, 3720, 6615, 1695, "taktische Zeit in normale Zeit"},
    {"pasteButton", "toNormalFrame", 3480, 240, 2775, 375, "Aus der Zwischenablage einfügen"},
    {"clearToNormalButton", "toNormalFrame", 3480, 1200, 2775, 375, "Eingaben löschen"},
    {"toNormalButton", "toNormalFrame", 3480, 720, 2775, 375, "Umrechnen"},
    {"dateResult", "toNormalFrame", 1800, 1200, 1575, 285, ""},
    {"timeResult", "toNormalFrame", 1800, 720, 1575, 285, ""},
    {"tacticalInput", "toNormalFrame", 1800, 240, 1575, 285, ""},
    {"dateResultCaption", "toNormalFrame", 120, 1200, 975, 255, "Datum:"},
    {"tacticalInputCaption", "toNormalFrame", 120, 240, 1575, 255, "taktische Zeit:"},
    {"timeResultCaption", "toNormalFrame", 120, 720, 1215, 255, "Uhrzeit:"},
    {"monthNamesFrame", "converterWindow", 120, 120, 3615, 1095, "Anzeigen mit deutschen / englischen Monaten"},
    {"englishMonthsOption", "monthNamesFrame", 120, 720, 1695, 255, "englische Monate"},
    {"germanMonthsOption", "monthNamesFrame", 120, 360, 2295, 195, "deutsche Monate"},
    {"makerFrame", "converterWindow", 3840, 120, 2895, 1095, ""},
    {"logo", "makerFrame", 120, 360, 540, 540, ""},
    {"webLink", "makerFrame", 720, 480, 2055, 375, TAKTZEIT_WEB_ADDRESS},
    {"copyButton", "converterWindow", 3600, 2520, 2775, 375, "In die Zwischenablage kopieren"},
    {"toTacticalFrame", "converterWindow", 120, 1320, 6615, 2175, "normale Zeit in taktische Zeit"},
    {"clearToTacticalButton", "toTacticalFrame", 3480, 1680, 2775, 375, "Eingaben löschen"},
    {"nowButton", "toTacticalFrame", 3480, 240, 2775, 375, "Jetzt"},
    {"timeInput", "toTacticalFrame", 1800, 240, 1575, 285, ""},
    {"dateInput", "toTacticalFrame", 1800, 720, 1575, 285, ""},
    {"tacticalResult", "toTacticalFrame", 1800, 1200, 1575, 285, ""},
    {"toTacticalButton", "toTacticalFrame", 3480, 720, 2775, 375, "Umrechnen"},
    {"timeInputCaption", "toTacticalFrame", 120, 240, 1215, 255, "Uhrzeit:"},
    {"tacticalResultCaption", "toTacticalFrame", 120, 1200, 1575, 255, "taktische Zeit:"},
    {"dateInputCaption", "toTacticalFrame", 120, 720, 975, 255, "Datum:"},
    {"statusBar", "converterWindow", 0, 5565, 6870, 255, ""},
};

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
