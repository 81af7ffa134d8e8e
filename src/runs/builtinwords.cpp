// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "runs/builtinwords.h"

#include <array>

namespace blinket {

namespace {

// Our own compilation, written for this program: everyday English words a reader meets first,
// then the words of a ship's signal traffic (the ship, its handling, the sea and the weather),
// then the words of calling and answering, and last the short forms a signal learner reads
// in messages (times, radio, Q codes and the usual contractions).
constexpr std::array<std::string_view, 465> words{
    // Everyday English
    "THE", "AND", "FOR", "ARE", "BUT", "NOT", "YOU", "ALL", "ANY", "CAN", "WAS", "ONE", "OUR",
    "OUT", "DAY", "GET", "HAS", "HOW", "MAN", "NEW", "NOW", "OLD", "SEE", "TWO", "WAY", "WHO",
    "ITS", "LET", "PUT", "SAY", "TOO", "USE", "ABOUT", "ABOVE", "ACROSS", "AFTER", "AGAIN",
    "AGAINST", "AIR", "ALONG", "ALSO", "ALWAYS", "ANSWER", "AREA", "AROUND", "ASK", "AWAY", "BACK",
    "BECAUSE", "BEEN", "BEFORE", "BEHIND", "BELOW", "BEST", "BETTER", "BETWEEN", "BIG", "BOTH",
    "BRING", "CALL", "CHANGE", "CLEAR", "CLOSE", "COLD", "COME", "COULD", "DARK", "DEEP", "DOOR",
    "DOWN", "DURING", "EACH", "EARLY", "EAST", "EASY", "EIGHT", "END", "ENOUGH", "EVEN", "EVENING",
    "FALL", "FAR", "FAST", "FEW", "FIND", "FIRE", "FIRST", "FIVE", "FOUND", "FOUR", "FREE", "FROM",
    "FULL", "GIVE", "GOOD", "GREAT", "GROUND", "HALF", "HAND", "HARD", "HEAD", "HEAR", "HELP",
    "HERE", "HIGH", "HOLD", "HOUR", "HUNDRED", "INTO", "ISLAND", "JUST", "KEEP", "KNOW", "LAND",
    "LAST", "LATE", "LEFT", "LETTER", "LIGHT", "LINE", "LONG", "LOOK", "MADE", "MAKE", "MANY",
    "MAP", "MILE", "MORE", "MORNING", "MOST", "MOVE", "MUST", "NAME", "NEAR", "NEED", "NEVER",
    "NEXT", "NIGHT", "NINE", "NORTH", "NOTHING", "NUMBER", "ONLY", "OPEN", "ORDER", "OTHER", "OVER",
    "PART", "PLACE", "PLAN", "POINT", "QUICK", "QUIET", "RAIN", "READ", "READY", "REST", "RIGHT",
    "RIVER", "ROCK", "ROUND", "RUN", "SAME", "SECOND", "SEND", "SENT", "SET", "SEVEN", "SHORT",
    "SHOULD", "SHOW", "SIDE", "SINCE", "SIX", "SLOW", "SMALL", "SOME", "SOON", "SOUND", "SOUTH",
    "STAND", "START", "STILL", "STOP", "STRONG", "TAKE", "TELL", "TEN", "THAN", "THAT", "THEIR",
    "THEM", "THEN", "THERE", "THESE", "THEY", "THIS", "THOSE", "THOUGHT", "THREE", "THROUGH",
    "TIME", "TODAY", "TOGETHER", "TRUE", "TRY", "TURN", "UNDER", "UNTIL", "VERY", "WAIT", "WARM",
    "WATCH", "WATER", "WELL", "WERE", "WEST", "WHAT", "WHEN", "WHERE", "WHICH", "WHILE", "WHITE",
    "WHY", "WILL", "WITH", "WORD", "WORK", "WOULD", "WRITE", "YEAR", "YES", "YOUR", "ZERO",
    "THOUSAND",
    // The ship, the sea and the weather
    "SHIP", "VESSEL", "PORT", "STARBOARD", "ANCHOR", "ANCHORAGE", "PILOT", "HARBOUR", "COURSE",
    "SPEED", "KNOTS", "POSITION", "WEATHER", "WIND", "BOW", "STERN", "DECK", "MAST", "HULL", "KEEL",
    "RUDDER", "BRIDGE", "CAPTAIN", "MASTER", "CREW", "MATE", "BOSUN", "CARGO", "TANKER", "TUG",
    "FERRY", "YACHT", "BOAT", "TRAWLER", "LIFEBOAT", "LIFERAFT", "BUOY", "BEACON", "LIGHTHOUSE",
    "CHANNEL", "FAIRWAY", "TIDE", "CURRENT", "SWELL", "WAVE", "GALE", "STORM", "FOG", "MIST",
    "VISIBILITY", "HAZE", "SQUALL", "CALM", "ROUGH", "SEA", "OCEAN", "COAST", "SHORE", "REEF",
    "SHOAL", "SANDBANK", "DEPTH", "FATHOM", "SOUNDING", "LATITUDE", "LONGITUDE", "BEARING",
    "HEADING", "NORTHERLY", "SOUTHERLY", "EASTERLY", "WESTERLY", "ASTERN", "AHEAD", "ABEAM",
    "ALONGSIDE", "ALOFT", "BERTH", "DOCK", "QUAY", "PIER", "JETTY", "MOORING", "MOORED", "WHARF",
    "LOCK", "CANAL", "ESTUARY", "BAY", "CAPE", "HEADLAND", "STRAIT", "SIGNAL", "FLAG", "LAMP",
    "FLASH", "MORSE", "MESSAGE", "RECEIVED", "ACKNOWLEDGE", "REPEAT", "CONFIRM", "REQUEST",
    "REPORT", "URGENT", "DISTRESS", "MAYDAY", "SECURITE", "ASSISTANCE", "RESCUE", "COLLISION",
    "AGROUND", "ADRIFT", "SINKING", "FLOODING", "LEAK", "DAMAGE", "ENGINE", "PROPELLER", "FUEL",
    "STORES", "PASSENGER", "SURVEY", "LOOKOUT", "HELM", "HELMSMAN", "RADAR", "RADIO", "COMPASS",
    "CHART", "LOG", "ARRIVE", "ARRIVAL", "DEPART", "DEPARTURE", "SAIL", "SAILING", "STEAM", "STEER",
    "ALTER", "PROCEED", "STANDBY", "OVERTAKE", "OVERTAKING", "CROSSING", "NARROWS", "DANGER",
    "HAZARD", "WRECK", "OBSTRUCTION", "NAVIGATION", "NAVIGATE", "PASSAGE", "VOYAGE", "DESTINATION",
    "BOUND", "INBOUND", "OUTBOUND", "UNDERWAY", "LEEWARD", "WINDWARD", "BEAUFORT", "FORCE",
    "BAROMETER", "PRESSURE", "FALLING", "RISING", "VEERING", "BACKING", "MODERATE", "FRESH",
    "SEVERE", "HURRICANE", "ICE", "ICEBERG", "SPRAY", "HAIL", "THUNDER", "LIGHTNING", "CLOUD",
    "OVERCAST", "GUST", "NAUTICAL", "MILES", "MINUTES", "HOURS", "DEGREES", "MAGNETIC", "VARIATION",
    "DEVIATION",
    // Calling and answering
    "ROGER", "STATION", "CALLING", "REPLY", "RECEIVE", "TRANSMIT", "FREQUENCY", "NIL",
    "AFFIRMATIVE", "NEGATIVE", "CORRECTION",
    // Short forms
    "CQ", "DE", "SOS", "ETA", "ETD", "UTC", "GMT", "VHF", "HF", "MF", "NM", "QTH", "QRZ", "QSL",
    "QRT", "QRV", "QSY", "QRM", "QRN", "QRU", "RST", "MMSI", "AIS", "DSC", "EPIRB", "RPT", "MSG",
    "PSE", "TNX"};

// Our own compilation too, for runs of Hebrew letters: everyday words, then those of the ship, the
// sea and the weather, then those of signals, calling and answering. Written as a reader meets
// them, without points, each final form where the word ends.
constexpr std::array<std::u16string_view, 438> hebrewWords{
    // Everyday Hebrew
    u"של", u"את", u"על", u"עם", u"לא", u"כן", u"זה", u"זאת", u"הוא", u"היא", u"אני", u"אתה",
    u"אנחנו", u"הם", u"הן", u"מה", u"מי", u"איפה", u"מתי", u"למה", u"איך", u"כמה", u"כל", u"גם",
    u"רק", u"עוד", u"כבר", u"אבל", u"או", u"אם", u"כי", u"אז", u"פה", u"שם", u"כאן", u"היום",
    u"מחר", u"אתמול", u"עכשיו", u"תמיד", u"הרבה", u"מעט", u"טוב", u"רע", u"גדול", u"קטן", u"חדש",
    u"ישן", u"ארוך", u"קצר", u"חם", u"קר", u"מהר", u"לאט", u"יום", u"לילה", u"בוקר", u"ערב",
    u"צהריים", u"שעה", u"דקה", u"שבוע", u"חודש", u"שנה", u"זמן", u"בית", u"דלת", u"חלון", u"דרך",
    u"רחוב", u"עיר", u"ארץ", u"עולם", u"אדם", u"איש", u"אישה", u"ילד", u"ילדה", u"אבא", u"אמא",
    u"אח", u"אחות", u"חבר", u"שלום", u"תודה", u"בבקשה", u"סליחה", u"לחם", u"אוכל", u"ספר", u"מילה",
    u"שפה", u"מספר", u"אחד", u"שתיים", u"שלוש", u"ארבע", u"חמש", u"שש", u"שבע", u"שמונה", u"תשע",
    u"עשר", u"מאה", u"אלף", u"ראשון", u"שני", u"שלישי", u"אחרון", u"ימין", u"שמאל", u"למעלה",
    u"למטה", u"לפני", u"אחרי", u"בין", u"ליד", u"מעל", u"בתוך", u"יש", u"אין", u"היה", u"הלך",
    u"בא", u"אמר", u"ראה", u"שמע", u"ידע", u"נתן", u"לקח", u"עשה", u"כתב", u"קרא", u"שלח", u"קיבל",
    u"עמד", u"ישב", u"רץ", u"עצר", u"פתח", u"סגר", u"עזר", u"מצא", u"חיפש", u"אהב", u"רצה", u"יכול",
    u"צריך", u"מוכן", u"שקט", u"חזק", u"חלש", u"קל", u"קשה", u"נכון", u"ברור", u"פתוח", u"סגור",
    u"שחור", u"לבן", u"אדום", u"כחול", u"ירוק", u"צהוב", u"חושך", u"אש", u"אדמה", u"שמש", u"ירח",
    u"כוכב", u"שמיים", u"הר", u"עמק", u"נהר", u"אגם", u"מדבר", u"יער", u"עץ", u"אבן", u"סלע",
    u"חול", u"שדה", u"מגדל", u"קיר", u"גג", u"לב", u"ראש", u"יד", u"רגל", u"עין", u"אוזן", u"קול",
    u"שיר", u"מכתב", u"עבודה", u"שאלה", u"תשובה", u"סוף", u"התחלה", u"חצי", u"רבע", u"מקום", u"צד",
    u"קו", u"נקודה", u"סימן", u"דבר", u"כסף", u"מלך", u"ארוחה", u"שולחן", u"כיסא", u"מפתח", u"חדר",
    // The ship, the sea and the weather
    u"ים", u"אונייה", u"ספינה", u"סירה", u"נמל", u"מזח", u"רציף", u"עוגן", u"מפרש", u"תורן", u"הגה",
    u"סיפון", u"ירכתיים", u"חרטום", u"מדחף", u"מנוע", u"דלק", u"צוות", u"קברניט", u"מלח", u"ימאי",
    u"נווט", u"חובל", u"מטען", u"נוסע", u"מכלית", u"גוררת", u"מעבורת", u"יאכטה", u"דוברה", u"צוללת",
    u"משחתת", u"מצוף", u"משואה", u"מגדלור", u"פנס", u"מנורה", u"אור", u"תעלה", u"מפרץ", u"מיצר",
    u"חוף", u"שרטון", u"שונית", u"אי", u"כף", u"עומק", u"גאות", u"שפל", u"זרם", u"גל", u"גלים",
    u"סערה", u"סופה", u"רוח", u"משב", u"ערפל", u"אובך", u"ראות", u"רגוע", u"סוער", u"צפון", u"דרום",
    u"מזרח", u"מערב", u"צפונה", u"דרומה", u"מזרחה", u"מערבה", u"מצפן", u"מפה", u"מפות", u"מעגן",
    u"מספנה", u"צי", u"אוניות", u"ספינות", u"סירות", u"נמלים", u"חופים", u"איים", u"משמרת",
    u"תצפית", u"צופה", u"משמר", u"מפקד", u"קצין", u"מכונה", u"מכונאי", u"תא", u"מחסן", u"חבל",
    u"חבלים", u"שרשרת", u"כבל", u"גלגל", u"מנוף", u"סולם", u"משאבה", u"דליפה", u"נזק", u"שריפה",
    u"עשן", u"אזעקה", u"תרגיל", u"חגורה", u"מים", u"מלחים", u"גשר", u"אוקיינוס", u"מעגנה", u"עגינה",
    u"הפלגה", u"מסע", u"נתיב", u"מסלול", u"מהירות", u"קשרים", u"מיל", u"מעלות", u"רוחב", u"אורך",
    u"מיקום", u"עמדה", u"כיוון", u"לחץ", u"ברומטר", u"קרח", u"קרחון", u"רסס", u"ענן", u"גשם",
    u"שלג", u"ברד", u"רעם", u"ברק", u"סחף", u"טביעה", u"שרטוט", u"ספנות",
    // Signals, calling and answering
    u"אות", u"איתות", u"מאותת", u"הודעה", u"מברק", u"שדר", u"דגל", u"דגלים", u"הבהוב", u"מורס",
    u"קוד", u"צופן", u"שידור", u"קליטה", u"משדר", u"מקלט", u"אנטנה", u"רדיו", u"תדר", u"ערוץ",
    u"קשר", u"תחנה", u"קריאה", u"תשדורת", u"מענה", u"אישור", u"חזרה", u"תיקון", u"דחוף", u"מצוקה",
    u"הצילו", u"הצלה", u"עזרה", u"סכנה", u"זהירות", u"התנגשות", u"עצור", u"המתן", u"חכה", u"קבל",
    u"חזור", u"שמאלה", u"ימינה", u"קדימה", u"אחורה", u"קיבלתי", u"הבנתי", u"סיום", u"פקודה",
    u"דיווח", u"שעון", u"תאריך", u"מועד", u"הגעה", u"יציאה", u"הגיע", u"יצא", u"מגיע", u"יוצא",
    u"נקודות", u"קווים", u"פסק", u"אותיות", u"מילים", u"מסר", u"שולח", u"נמען", u"כתובת", u"שגיאה",
    u"בדיקה", u"ביטול", u"נכנס", u"עובר", u"כלי", u"שמיעה", u"טלגרף", u"מפעיל", u"אלחוט", u"מכשיר",
    u"גלאי", u"תשדיר", u"סוללה", u"מתג", u"מפסק"};

} // namespace

std::span<const std::string_view> builtInWords()
{
    return words;
}

std::span<const std::u16string_view> hebrewBuiltInWords()
{
    return hebrewWords;
}

} // namespace blinket
