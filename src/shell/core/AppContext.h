#pragma once
// The values the windows hand each other: navigation, the item list of the last course
// read, lesson pictures, random orders, screen factors and the score. One object, made by
// Main and passed to every window; each test builds its own.

#include "shell/core/CourseCache.h"
#include "shell/core/Services.h"

#include <QPixmap>
#include <QString>
#include <array>
#include <cstdint>

class PlayRecord;
class Stage;
class WindowRegistry;

struct AppContext {
    AppContext(Services& services, const QString& dataRoot)
        : services(services)
        , AppPath(dataRoot)
    {
    }
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    Services& services;
    QString AppPath; // the data root, without a trailing separator
    Stage* stage = nullptr;
    WindowRegistry* windows = nullptr;
    // Courses already decoded, for as long as their carriers stay unchanged.
    CourseCache courses;
    // The record of play for parents and teachers; null when nothing is recorded.
    PlayRecord* record = nullptr;

    // Screen factors: stage size over the 1024 x 768 design.
    float ScaleX = 1.0f;
    float ScaleY = 1.0f;

    // The items of the last course value read.
    std::array<QString, 201> ItemList;
    int16_t ItemCount = 0;
    int16_t ItemTextLength = 0;
    int ItemIndex = 0;

    std::array<int16_t, 1001> RandomOrder{};
    std::array<int16_t, 1001> RandomOrder2{};
    std::array<int16_t, 2001> RandomOrder3{};

    std::array<QPixmap, 101> ItemPictures;
    std::array<QPixmap, 101> ItemPictures2;

    QString CurrentArea;
    QString CurrentLesson;
    // The catalogue entry or step title the child clicked last.
    QString LaunchedTitle;
    QString ComparisonEntry;
    QString CurrentCharacter;
    int RoundIndex = 0;
    int16_t PuzzleType = 0;

    // The reward strip's score, 0..100.
    int16_t Score = 0;

    // A path below the data root; relative uses '/' separators.
    QString dataPath(const QString& relative) const
    {
        return AppPath + QLatin1Char('/') + relative;
    }
};
