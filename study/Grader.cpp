#include "Grader.h"

#include "StudySettings.h"
#include "StudyTypes.h"
#include "words/CWordStruct.h"

#include <algorithm>

namespace vt {
namespace {

int effectiveSpeed(const StudySettings& s) {
    return clampInt(s.speed, 1, 5000);
}

void halveWhenFull(CWordStruct& e) {
    if (e.tests() > 8) {
        e.setTests(e.tests() / 2);
        e.setRight(e.right() / 2);
    }
}

// Takes amount from unit k, which keeps at least 1.
void takeFrom(int* w, int k, int amount) {
    w[k] = std::max(1, w[k] - amount);
}

// The right-answer loss of unit g: it may not drop below 1; the shortfall is taken from the nearest lower
// unit that has weight to spare.
void loseRightStep(int* w, int g, int step) {
    w[g] -= step;
    if (w[g] < 1) {
        w[g] = 1;
        for (int k = g - 1; k >= 1; --k) {
            if (w[k] > 1) {
                takeFrom(w, k, step);
                break;
            }
        }
    }
}

} // namespace

void Grader::rightSteps(StudySettings& s) {
    const int speed = effectiveSpeed(s);
    s.rightstep = std::min(100, clampInt(s.rightstep, 1, 100) + speed);
    s.wrongstep = std::max(1, clampInt(s.wrongstep, 1, 100) - speed);
}

void Grader::wrongSteps(StudySettings& s) {
    const int speed = effectiveSpeed(s);
    s.wrongstep = std::min(100, clampInt(s.wrongstep, 1, 100) + 10 * speed);
    s.rightstep = std::max(1, clampInt(s.rightstep, 1, 100) - 10 * speed);
}

int Grader::rightRecord(CWordStruct& e) {
    const int old = e.level();
    e.setTests(std::max(0, e.tests()) + 1);
    e.setRight(std::max(0, e.right()) + 1);
    halveWhenFull(e);
    if (old < kLevelMaster)
        e.setLevel(std::max(0, old) + 1);
    return old;
}

int Grader::wrongRecord(CWordStruct& e) {
    const int old = e.level();
    e.setTests(std::max(0, e.tests()) + 1);
    halveWhenFull(e);
    if (old < 0)
        e.setLevel(0);
    else if (old >= 1 && old <= kLevelMaster)
        e.setLevel(old - 1);
    return old;
}

void Grader::rightWeightsCarefree(int* w, int g, int U, int s) {
    if (g < 1 || g > 29 || U < 1)
        return;
    int receiver = g;
    if (g < U) {
        loseRightStep(w, g, s);
        receiver = g + 1;
    }
    if (w[receiver] <= 1000 - s)
        w[receiver] += s;
}

void Grader::rightWeightsFixedUnit(int* w, int g, int U, int s) {
    if (g < 1 || g > 29 || U < 1)
        return;
    if (g >= U) {
        w[g] = std::min(1000, w[g] + s);
        return;
    }
    loseRightStep(w, g, s);
    w[g + 1] += s;
    if (w[g + 1] > 1000) {
        w[g + 1] = 1000;
        for (int k = g + 2; k <= std::min(U, 29); ++k) {
            if (w[k] >= 2) {
                takeFrom(w, k, s);
                break;
            }
        }
    }
}

void Grader::wrongWeights(int* w, int g, int U, int wrongstep) {
    if (g < 1 || g > 29 || U < 1)
        return;
    const int t = 10 * wrongstep;
    const int last = std::min(U, 29);
    if (g <= 1) {
        if (w[g] <= 1000) {
            w[g] += t;
            if (w[g] > 1000) {
                w[g] = 1000;
                for (int k = g + 1; k <= last; ++k) {
                    if (w[k] > 1) {
                        takeFrom(w, k, wrongstep);
                        break;
                    }
                }
            }
        }
        return;
    }
    w[g] -= t;
    if (w[g] <= 0) {
        w[g] = 1;
        for (int k = g + 1; k <= last; ++k) {
            if (w[k] > 1) {
                takeFrom(w, k, wrongstep);
                break;
            }
        }
    }
    if (w[g - 1] <= 999)
        w[g - 1] = std::min(1000, w[g - 1] + t);
}

} // namespace vt
