// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "signal/lightconditions.h"

#include <QStringList>

#include <array>

namespace blinket {

namespace {

constexpr std::array skyWords{"own", "day", "dusk", "night"};

// A whole number from 0 to max written after "name=", or none.
std::optional<int> valueOf(QStringView word, QStringView name, int max)
{
    if (!word.startsWith(name) || word.size() <= name.size() || word[name.size()] != u'=')
        return std::nullopt;
    bool ok = false;
    const int value = word.mid(name.size() + 1).toInt(&ok);
    if (!ok || value < 0 || value > max)
        return std::nullopt;
    return value;
}

} // namespace

QString skyWord(Sky sky)
{
    return QString::fromLatin1(skyWords[std::size_t(sky)]);
}

std::optional<Sky> skyFromWord(QStringView word)
{
    for (std::size_t i = 0; i < skyWords.size(); ++i) {
        if (word.compare(QLatin1String(skyWords[i]), Qt::CaseInsensitive) == 0)
            return Sky(i);
    }
    return std::nullopt;
}

QString lightText(const LightConditions &light)
{
    QStringList words;
    if (light.distance)
        words << QStringLiteral("distance");
    if (light.haze != 0)
        words << QStringLiteral("haze=%1").arg(light.haze);
    if (light.shimmer != 0)
        words << QStringLiteral("shimmer=%1").arg(light.shimmer);
    if (light.sky != Sky::Own)
        words << QStringLiteral("sky=") + skyWord(light.sky);
    if (light.shutterMs != 0)
        words << QStringLiteral("shutter=%1").arg(light.shutterMs);
    if (light.handPercent != 0)
        words << QStringLiteral("hand=%1").arg(light.handPercent);
    return words.join(u' ');
}

std::optional<LightConditions> lightFromText(QStringView text)
{
    LightConditions light;
    for (const QStringView word : text.split(u' ', Qt::SkipEmptyParts)) {
        if (word == u"distance") {
            light.distance = true;
        } else if (const auto haze = valueOf(word, u"haze", LightConditions::maxHaze)) {
            light.haze = *haze;
        } else if (const auto shimmer = valueOf(word, u"shimmer", LightConditions::maxShimmer)) {
            light.shimmer = *shimmer;
        } else if (const auto shutter = valueOf(word, u"shutter", LightConditions::maxShutterMs)) {
            light.shutterMs = *shutter;
        } else if (const auto hand = valueOf(word, u"hand", LightConditions::maxHandPercent)) {
            light.handPercent = *hand;
        } else if (word.startsWith(u"sky=")) {
            const std::optional<Sky> sky = skyFromWord(word.mid(4));
            if (!sky)
                return std::nullopt;
            light.sky = *sky;
        } else {
            return std::nullopt;
        }
    }
    return light;
}

} // namespace blinket
