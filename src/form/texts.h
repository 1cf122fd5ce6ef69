#pragma once

#include <string_view>

// Every text the window shows, German as its users read it.
namespace form {

inline constexpr std::u16string_view kTitle = u"- Umrechner taktische Zeit -";

inline constexpr std::u16string_view kNormalToTactical = u"normale Zeit in taktische Zeit";
inline constexpr std::u16string_view kTacticalToNormal = u"taktische Zeit in normale Zeit";
inline constexpr std::u16string_view kMonthChoice = u"Anzeigen mit deutschen / englischen Monaten";
inline constexpr std::u16string_view kGermanMonths = u"deutsche Monate";
inline constexpr std::u16string_view kEnglishMonths = u"englische Monate";

inline constexpr std::u16string_view kNow = u"Jetzt";
inline constexpr std::u16string_view kConvert = u"Umrechnen";
inline constexpr std::u16string_view kCopy = u"In die Zwischenablage kopieren";
inline constexpr std::u16string_view kPaste = u"Aus der Zwischenablage einf\u00fcgen";
inline constexpr std::u16string_view kClear = u"Eingaben l\u00f6schen";

inline constexpr std::u16string_view kTimeLabel = u"Uhrzeit:";
inline constexpr std::u16string_view kDateLabel = u"Datum:";
inline constexpr std::u16string_view kTacticalLabel = u"taktische Zeit:";

inline constexpr std::u16string_view kTimeHint = u"Bitte im Format hh:mm:ss eingeben.";
inline constexpr std::u16string_view kDateHint = u"Bitte im Format tt.mm.jjjj eingeben";
inline constexpr std::u16string_view kTacticalHint = u"Bitte im Format tthhmmMMMjjjj eingeben.";

inline constexpr std::u16string_view kCheckInput = u"Bitte Eingaben \u00fcberpr\u00fcfen !!!";
inline constexpr std::u16string_view kNoBrowser = u"Kein Internetbrowser installiert ?!";
inline constexpr std::u16string_view kClipboardSilent = u"Die Zwischenablage antwortet nicht.";
inline constexpr std::u16string_view kWindowFailed = u"Das Fenster konnte nicht ge\u00f6ffnet werden.";
inline constexpr std::u16string_view kPasteRefused = u"Bitte mit Strg+V in das Feld einf\u00fcgen.";
inline constexpr std::u16string_view kCopyRefused = u"Bitte das Ergebnis markieren und mit Strg+C kopieren.";

// What a screen reader says for controls whose caption alone would be ambiguous or missing, and after the link.
inline constexpr std::u16string_view kTimeInputName = u"Uhrzeit";
inline constexpr std::u16string_view kDateInputName = u"Datum";
inline constexpr std::u16string_view kTacticalResultName = u"taktische Zeit (Ergebnis)";
inline constexpr std::u16string_view kTacticalInputName = u"taktische Zeit";
inline constexpr std::u16string_view kTimeResultName = u"Uhrzeit (Ergebnis)";
inline constexpr std::u16string_view kDateResultName = u"Datum (Ergebnis)";
inline constexpr std::u16string_view kToTacticalName = u"Umrechnen in taktische Zeit";
inline constexpr std::u16string_view kToNormalName = u"Umrechnen in normale Zeit";
inline constexpr std::u16string_view kClearToTacticalName = u"Eingaben l\u00f6schen (normale Zeit)";
inline constexpr std::u16string_view kClearToNormalName = u"Eingaben l\u00f6schen (taktische Zeit)";
inline constexpr std::u16string_view kLogoName = u"Logo";
inline constexpr std::u16string_view kMakerName = u"Hersteller";
inline constexpr std::u16string_view kStatusBarName = u"Statusleiste";
inline constexpr std::u16string_view kWebLinkDescription = u"\u00d6ffnet die Webseite im Browser";

inline constexpr std::u16string_view kClockSuffix = u" Uhr";

// The maker's web page, chosen when the program is built.
inline constexpr std::u16string_view kWebAddress = u"" TAKTZEIT_WEB_ADDRESS;
inline constexpr std::u16string_view kWebScheme = u"http://";

}  // namespace form
