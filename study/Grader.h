#pragma once
// Turns a judged answer into new adaptive steps, a new memory record and moved unit weights.
namespace vt {

class CWordStruct;
struct StudySettings;

// The grading rules; unit weights are slots 1..unitCount of a weights array of 30.
class Grader {
public:
    // Steps: right raises rightstep by speed and lowers wrongstep; wrong does the reverse ten times as strong.
    static void rightSteps(StudySettings& s);
    static void wrongSteps(StudySettings& s);
    // Record and level; returns the old level (the caller moves the level counts).
    static int rightRecord(CWordStruct& e);
    static int wrongRecord(CWordStruct& e);
    // Unit weights for a right answer, g the current unit (Carefree) or the fixed unit.
    static void rightWeightsCarefree(int* w, int g, int unitCount, int step);
    static void rightWeightsFixedUnit(int* w, int g, int unitCount, int step);
    // Unit weights for a wrong answer (Carefree and fixed unit alike).
    static void wrongWeights(int* w, int g, int unitCount, int wrongstep);
};

} // namespace vt
