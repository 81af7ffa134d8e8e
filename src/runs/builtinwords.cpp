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

} // namespace

std::span<const std::string_view> builtInWords()
{
    return words;
}

} // namespace blinket
