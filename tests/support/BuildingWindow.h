#pragma once

#include "ImageBuilder.h"
#include "MainWindow.h"
#include "TestPlatform.h"

#include <QByteArray>

// A window on the doubles of every seam, with the builder of its image.
struct BuildingWindow : TestPlatform {
    MainWindow window{platform()};
    ImageBuilder builder;

    BuildingWindow();

    // The image the window builds from its pages; empty when a check stops the build.
    QByteArray build();
};
