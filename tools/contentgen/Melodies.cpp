#include "Melodies.h"

#include <algorithm>
#include <array>
#include <initializer_list>

namespace contentgen {

namespace {

using synth::TBuffer;
using synth::TVoice;

// Semitones from A4 of degree `k` of the C major pentatonic scale, degree 0 being C4.
double Degree(int k)
{
    static constexpr std::array<int, 5> steps { 0, 2, 4, 7, 9 };
    const int octave = k >= 0 ? k / 5 : (k - 4) / 5;
    return -9.0 + 12.0 * octave + steps[std::size_t(k - octave * 5)];
}

double Hz(int degree) { return synth::NoteFrequency(Degree(degree)); }

// A note followed by a soft octave echo: a sparkle that makes single notes less plain.
TBuffer Sparkle(const TVoice& voice, int degree, double length)
{
    TBuffer b(length);
    b.AddNote(voice, 0, Hz(degree), length, 1.0);
    b.AddNote(voice, 0.14, Hz(degree + 5), length - 0.14, 0.25);
    return b;
}

// Notes one after another, `step` seconds apart.
TBuffer Run(const TVoice& voice, std::initializer_list<int> degrees, double step, double length)
{
    TBuffer b(length);
    double t = 0;
    for (int d : degrees) {
        b.AddNote(voice, t, Hz(d), length - t, 0.9);
        t += step;
    }
    return b;
}

// Notes struck together (a gentle roll of 25 ms keeps it from sounding like a thump).
TBuffer Chord(const TVoice& voice, std::initializer_list<int> degrees, double length)
{
    TBuffer b(length);
    double t = 0;
    for (int d : degrees) {
        b.AddNote(voice, t, Hz(d), length - t, 0.7);
        t += 0.025;
    }
    return b;
}

// The digits count: n quick notes climbing the scale (zero is one low, soft note).
TBuffer Counting(int n)
{
    if (n == 0) {
        TBuffer b(0.5);
        b.AddNote(synth::Marimba(), 0, Hz(0), 0.5, 1.0);
        return b;
    }
    const double step = std::min(0.11, 0.62 / n);
    TBuffer b(std::min(0.8, step * n + 0.3));
    for (int i = 0; i < n; ++i)
        b.AddNote(synth::Glockenspiel(), step * i, Hz(5 + i), b.Seconds() - step * i, 0.8);
    return b;
}

TBuffer Compose(int entry)
{
    if (entry >= 1 && entry <= 13) // A..M: marimba, climbing from C4
        return Sparkle(synth::Marimba(), entry - 1, 0.6);
    if (entry >= 14 && entry <= 26) // N..Z: xylophone, climbing from G4
        return Sparkle(synth::Xylophone(), entry - 14 + 3, 0.55);
    if (entry >= 27 && entry <= 36)
        return Counting(entry - 27);
    if (entry >= 37 && entry <= 47) { // punctuation: bells with a quiet fifth
        TBuffer b(0.7);
        const int k = entry - 37 + 5;
        b.AddNote(synth::Bell(), 0, Hz(k), 0.7, 1.0);
        b.AddNote(synth::Bell(), 0, Hz(k + 3), 0.7, 0.3);
        return b;
    }
    if (entry >= 62 && entry <= 73) { // F1..F12: round ocarina notes
        TBuffer b(0.6);
        b.AddNote(synth::Ocarina(), 0, Hz(entry - 62 + 5), 0.6, 1.0);
        return b;
    }
    switch (entry) {
    case 48: return Run(synth::Xylophone(), { 12, 11, 10 }, 0.1, 0.55);      // Backspace: steps down
    case 49: return Run(synth::Marimba(), { 5, 8 }, 0.13, 0.5);              // Tab: a hop
    case 50: return Run(synth::Glockenspiel(), { 5, 7, 8, 10 }, 0.09, 0.7); // Enter: ta-da
    case 51: return Chord(synth::Bell(), { 5, 8 }, 0.7);                     // Shift
    case 52: return Chord(synth::Marimba(), { 1, 4 }, 0.5);                  // Ctrl
    case 53: return Chord(synth::Xylophone(), { 7, 9 }, 0.45);               // Alt
    case 54: {                                                               // Pause
        TBuffer b(0.7);
        b.AddNote(synth::Ocarina(), 0, Hz(3), 0.7, 1.0);
        return b;
    }
    case 55: return Run(synth::Bell(), { 8, 10 }, 0.15, 0.75);               // Caps Lock
    case 56: return Run(synth::Marimba(), { 8, 5 }, 0.15, 0.55);             // Esc: goodbye call
    case 57: return Chord(synth::Glockenspiel(), { 0, 2, 3, 5 }, 0.8);       // Space and the rest
    case 58: return Run(synth::Glockenspiel(), { 10, 11, 10, 11 }, 0.07, 0.55); // Windows: trill
    case 59: return Run(synth::Xylophone(), { 8, 7, 8 }, 0.1, 0.5);          // Menu
    case 60: return Sparkle(synth::Bell(), 9, 0.7);                          // Num Lock
    case 61: return Run(synth::Marimba(), { 4, 4, 4 }, 0.09, 0.5);           // Scroll Lock: a roll
    case 74: return Chord(synth::Bell(), { 3, 5, 7 }, 0.75);                 // Clear
    case 75: return Run(synth::Xylophone(), { 5, 7, 8 }, 0.08, 0.45);        // Page Up
    case 76: return Run(synth::Xylophone(), { 8, 7, 5 }, 0.08, 0.45);        // Page Down
    case 77: return Run(synth::Marimba(), { 8, 5 }, 0.18, 0.6);              // End
    case 78: return Run(synth::Glockenspiel(), { 5, 8, 10 }, 0.12, 0.7);     // Home
    case 79: return Run(synth::Marimba(), { 6, 5 }, 0.12, 0.5);              // Left
    case 80: return Run(synth::Marimba(), { 7, 9 }, 0.12, 0.5);              // Up
    case 81: return Run(synth::Marimba(), { 5, 6 }, 0.12, 0.5);              // Right
    case 82: return Run(synth::Marimba(), { 9, 7 }, 0.12, 0.5);              // Down
    case 83: {                                                               // Insert: a pop
        TBuffer b(0.35);
        b.AddNote(synth::Xylophone(), 0, Hz(13), 0.35, 1.0);
        return b;
    }
    case 84: return Run(synth::Xylophone(), { 10, 9, 8, 7 }, 0.07, 0.55);    // Delete
    case 85: return Run(synth::Glockenspiel(), { 15, 13, 12, 10 }, 0.06, 0.6); // *: twinkle
    case 86: return Chord(synth::Bell(), { 5, 7 }, 0.7);                     // +
    case 87: return Sparkle(synth::Bell(), 4, 0.6);                          // -
    default: return Run(synth::Marimba(), { 3, 6 }, 0.14, 0.55);             // /
    }
}

} // namespace

TBuffer KeySound(int entry)
{
    TBuffer b = Compose(entry);
    b.Normalize(0.7);
    b.FadeOut(0.04);
    return b;
}

} // namespace contentgen
