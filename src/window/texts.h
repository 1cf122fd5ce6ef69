#pragma once

#include <QString>

// Every text the window shows, German as its users read it.
namespace texts {

inline const QString kTitle = QStringLiteral("- Umrechner taktische Zeit -");

inline const QString kNormalToTactical = QStringLiteral("normale Zeit in taktische Zeit");
inline const QString kTacticalToNormal = QStringLiteral("taktische Zeit in normale Zeit");
inline const QString kMonthChoice = QStringLiteral("Anzeigen mit deutschen / englischen Monaten");
inline const QString kGermanMonths = QStringLiteral("deutsche Monate");
inline const QString kEnglishMonths = QStringLiteral("englische Monate");

inline const QString kNow = QStringLiteral("Jetzt");
inline const QString kConvert = QStringLiteral("Umrechnen");
inline const QString kCopy = QStringLiteral("In die Zwischenablage kopieren");
inline const QString kPaste = QStringLiteral("Aus der Zwischenablage einfügen");
inline const QString kClear = QStringLiteral("Eingaben löschen");

inline const QString kTimeLabel = QStringLiteral("Uhrzeit:");
inline const QString kDateLabel = QStringLiteral("Datum:");
inline const QString kTacticalLabel = QStringLiteral("taktische Zeit:");

inline const QString kTimeHint = QStringLiteral("Bitte im Format hh:mm:ss eingeben.");
inline const QString kDateHint = QStringLiteral("Bitte im Format tt.mm.jjjj eingeben");
inline const QString kTacticalHint = QStringLiteral("Bitte im Format tthhmmMMMjjjj eingeben.");

inline const QString kCheckInput = QStringLiteral("Bitte Eingaben überprüfen !!!");
inline const QString kNoBrowser = QStringLiteral("Kein Internetbrowser installiert ?!");
inline const QString kClipboardSilent = QStringLiteral("Die Zwischenablage antwortet nicht.");

// What a screen reader speaks for controls whose caption alone would be ambiguous or missing.
inline const QString kTimeInputName = QStringLiteral("Uhrzeit");
inline const QString kDateInputName = QStringLiteral("Datum");
inline const QString kTacticalResultName = QStringLiteral("taktische Zeit (Ergebnis)");
inline const QString kTacticalInputName = QStringLiteral("taktische Zeit");
inline const QString kTimeResultName = QStringLiteral("Uhrzeit (Ergebnis)");
inline const QString kDateResultName = QStringLiteral("Datum (Ergebnis)");
inline const QString kToTacticalName = QStringLiteral("Umrechnen in taktische Zeit");
inline const QString kToNormalName = QStringLiteral("Umrechnen in normale Zeit");
inline const QString kClearToTacticalName = QStringLiteral("Eingaben löschen (normale Zeit)");
inline const QString kClearToNormalName = QStringLiteral("Eingaben löschen (taktische Zeit)");
inline const QString kLogoName = QStringLiteral("Logo");
inline const QString kWebLinkDescription = QStringLiteral("Öffnet die Webseite im Browser");

inline const QString kClockSuffix = QStringLiteral(" Uhr");

// The maker's web page, chosen when the program is built.
inline const QString kWebAddress = QStringLiteral(TAKTZEIT_WEB_ADDRESS);

}  // namespace texts
