#pragma once

#include <QElapsedTimer>
#include <QVector>

#include <algorithm>
#include <functional>

// Runs a step several times and keeps the median of its wall-clock times, in milliseconds.
class Messung
{
public:
    static double median(int laeufe, const std::function<void()>& schritt)
    {
        QVector<double> zeiten;
        for (int i = 0; i < laeufe; ++i) {
            QElapsedTimer uhr;
            uhr.start();
            schritt();
            zeiten.append(uhr.nsecsElapsed() / 1e6);
        }
        return median(zeiten);
    }

    static double median(QVector<double> zeiten)
    {
        std::sort(zeiten.begin(), zeiten.end());
        const int n = zeiten.size();
        return n % 2 ? zeiten.at(n / 2) : (zeiten.at(n / 2 - 1) + zeiten.at(n / 2)) / 2.0;
    }
};
