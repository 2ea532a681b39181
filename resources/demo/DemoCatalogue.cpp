#include "DemoCatalogue.h"

#include <cmath>

namespace demo {

namespace {

using Encoding = WavLayout::Encoding;

WavLayout pcm(int bits) {
    WavLayout layout;
    layout.bits = bits;
    return layout;
}

// Non-PCM formats carry the 18-byte "fmt " and a "fact" chunk, as the format requires.
WavLayout float32() {
    WavLayout layout;
    layout.encoding = Encoding::Float;
    layout.bits = 32;
    layout.extendedFmt = true;
    return layout;
}

DemoFile finish(std::string name, WavLayout layout, Sound sound, float peak = 0.7f) {
    normalize(sound, peak);
    fadeEdges(sound, 0.01);
    return DemoFile{std::move(name), std::move(layout), std::move(sound)};
}

DemoFile chime() {
    Sound s = makeSilence(44100, 1, 2.5);
    addBell(s.channels[0], s.rate, 0.0, noteHz(84), 0.8, 0.9);
    addBell(s.channels[0], s.rate, 0.25, noteHz(79), 0.6, 1.0);
    return finish("Chime.wav", pcm(16), std::move(s));
}

DemoFile doorBell() {
    Sound s = makeSilence(22050, 2, 2.2);
    Channel& left = s.channels[0];
    Channel& right = s.channels[1];
    addBell(left, s.rate, 0.0, noteHz(76), 0.9, 0.7);
    addBell(right, s.rate, 0.0, noteHz(76), 0.5, 0.7);
    addBell(left, s.rate, 0.6, noteHz(72), 0.5, 0.9);
    addBell(right, s.rate, 0.6, noteHz(72), 0.9, 0.9);
    return finish("Door.Bell.wav", pcm(16), std::move(s));
}

DemoFile softRain() {
    Sound s = makeSilence(48000, 2, 3.0);
    for (int c = 0; c < 2; ++c) {
        addNoiseSwell(s.channels[c], s.rate, 0.0, 3.0, 1.0, 2200.0, 11 + c);
        for (int drop = 0; drop < 9; ++drop) {
            const double at = 0.3 + drop * 0.27 + 0.05 * c;
            addPartial(s.channels[c], s.rate, at, 1700.0 + 230.0 * ((drop * 7 + c) % 5), 0.06,
                       0.025);
        }
    }
    WavLayout layout = pcm(24);
    return finish("Soft Rain.wav", layout, std::move(s), 0.5f);
}

DemoFile majorChord() {
    Sound s = makeSilence(32000, 1, 2.5);
    for (int note : {60, 64, 67, 72})
        addPad(s.channels[0], s.rate, 0.0, noteHz(note), 0.25, 2.5, 6.0);
    return finish("Major Chord.wav", float32(), std::move(s));
}

DemoFile oldRadio() {
    // An odd number of 8-bit mono samples: the data chunk carries a pad byte.
    Sound s = makeSilence(8000, 1, 19201.0 / 8000.0);
    const int melody[] = {67, 69, 71, 74, 71, 69, 67};
    for (int i = 0; i < 7; ++i)
        for (int harmonic = 1; harmonic <= 3; ++harmonic)
            addPartial(s.channels[0], s.rate, 0.05 + i * 0.3, noteHz(melody[i]) * harmonic,
                       0.5 / harmonic, 0.25);
    addNoiseSwell(s.channels[0], s.rate, 0.0, 2.4, 0.25, 1500.0, 3);
    return finish("Old Radio.wav", pcm(8), std::move(s));
}

DemoFile arpeggio() {
    Sound s = makeSilence(44100, 2, 2.2);
    const int notes[] = {57, 60, 64, 69, 72, 76};
    for (int i = 0; i < 6; ++i) {
        const double pan = (i % 2) ? 0.35 : 0.65;
        addPluck(s.channels[0], s.rate, i * 0.15, noteHz(notes[i]), pan, 2.2 - i * 0.15, 40 + i);
        addPluck(s.channels[1], s.rate, i * 0.15, noteHz(notes[i]), 1 - pan, 2.2 - i * 0.15,
                 40 + i);
    }
    WavLayout layout = pcm(16);
    layout.infoListFirst = true;
    layout.title = "Arpeggio in A minor";
    return finish("Arpeggio.wav", layout, std::move(s));
}

DemoFile windChimes() {
    Sound s = makeSilence(44100, 2, 4.0);
    const int pentatonic[] = {79, 81, 84, 86, 88, 91};
    for (int i = 0; i < 11; ++i) {
        const int note = pentatonic[(i * 5 + 2) % 6];
        const double at = 0.05 + i * 0.29 + 0.07 * std::sin(i * 1.7);
        const double pan = 0.5 + 0.4 * std::sin(i * 2.3);
        addBell(s.channels[0], s.rate, at, noteHz(note), 0.5 * pan, 0.8);
        addBell(s.channels[1], s.rate, at, noteHz(note), 0.5 * (1 - pan), 0.8);
    }
    return finish("Wind Chimes.WAV", pcm(16), std::move(s));
}

DemoFile marimbaMelody() {
    Sound s = makeSilence(16000, 1, 2.6);
    const int melody[] = {72, 76, 79, 76, 74, 72, 71, 72};
    for (int i = 0; i < 8; ++i)
        addMarimba(s.channels[0], s.rate, i * 0.22, noteHz(melody[i]), i == 7 ? 0.9 : 0.7);
    WavLayout layout = pcm(16);
    layout.oddChunkFirst = true;
    return finish("Marimba Melody.wav", layout, std::move(s));
}

DemoFile notify() {
    Sound s = makeSilence(11025, 1, 0.8);
    addBell(s.channels[0], s.rate, 0.0, noteHz(76), 0.7, 0.25);
    addBell(s.channels[0], s.rate, 0.12, noteHz(83), 0.7, 0.3);
    WavLayout layout = pcm(16);
    layout.extendedFmt = true;
    return finish("TV Notify.wav", layout, std::move(s));
}

DemoFile oceanSwell() {
    Sound s = makeSilence(24000, 2, 4.0);
    addNoiseSwell(s.channels[0], s.rate, 0.0, 4.0, 1.0, 500.0, 21);
    addNoiseSwell(s.channels[1], s.rate, 0.2, 3.8, 1.0, 560.0, 22);
    return finish("Ocean Swell.wav", pcm(16), std::move(s), 0.5f);
}

DemoFile synthPad() {
    Sound s = makeSilence(48000, 2, 3.5);
    for (int note : {53, 57, 60, 64}) {
        addPad(s.channels[0], s.rate, 0.0, noteHz(note), 0.25, 3.5, 7.0);
        addPad(s.channels[1], s.rate, 0.0, noteHz(note), 0.25, 3.5, 9.0);
    }
    return finish("Synth Pad.wav", pcm(24), std::move(s));
}

DemoFile guitarStrum() {
    Sound s = makeSilence(44100, 1, 2.0);
    const int chord[] = {40, 47, 52, 56, 59, 64};
    for (int i = 0; i < 6; ++i)
        addPluck(s.channels[0], s.rate, i * 0.03, noteHz(chord[i]), 0.5, 2.0 - i * 0.03, 90 + i);
    return finish("Guitar Strum.wav", pcm(24), std::move(s));
}

DemoFile welcomeFanfare() {
    Sound s = makeSilence(32000, 2, 2.2);
    const int notes[] = {60, 64, 67, 72};
    for (int i = 0; i < 4; ++i) {
        const double length = i == 3 ? 1.5 : 0.22;
        for (int c = 0; c < 2; ++c)
            addPad(s.channels[c], s.rate, i * 0.18, noteHz(notes[i]), 0.4, length, 4.0 + 3 * c);
    }
    return finish("Welcome Fanfare.wav", float32(), std::move(s));
}

} // namespace

std::vector<DemoFile> demoCollection() {
    std::vector<DemoFile> files;
    for (auto make : {chime, doorBell, softRain, majorChord, oldRadio, arpeggio, windChimes,
                      marimbaMelody, notify, oceanSwell, synthPad, guitarStrum, welcomeFanfare})
        files.push_back(make());
    return files;
}

} // namespace demo
