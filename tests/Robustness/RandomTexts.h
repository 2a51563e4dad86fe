// Texts a person might type into the fields of the main window, drawn from a
// seeded generator: numbers of every shape (small ones most of the time, so
// that grids stay small), numbers near the 64-bit limits, expressions that
// are well formed or nearly so, and free text: ASCII, digits and signs,
// letters beyond ASCII, very long strings and the empty text.
#pragma once

#include <QString>

#include <cstdint>
#include <random>

class TRandomTexts {
public:
    explicit TRandomTexts(uint64_t Seed) : Rng(Seed) {}

    QString PointCount();
    QString IntervalEnd(bool MayBeEmpty);
    QString ViewValue(int Which);  // 0 horizontal angle, 1 vertical angle, 2 distance, 3 zoom
    QString Expression();
    QString WellFormedExpression();
    QString AnyText();

    // A whole number in [Low, High].
    int64_t Between(int64_t Low, int64_t High)
    {
        return std::uniform_int_distribution<int64_t>(Low, High)(Rng);
    }
    bool Chance(double P) { return std::bernoulli_distribution(P)(Rng); }
    std::mt19937_64& Engine() { return Rng; }

private:
    QString SmallReal(double Low, double High);
    QString NearLimits();
    QString WellFormed(int Depth, int& Letters);
    QString Operand(int Depth, int& Letters);
    QString Mutated(QString Text);

    std::mt19937_64 Rng;
};
