#pragma once
// Projects and files the Control File tests share.
#include "TestPaths.h"
#include "WaveFileBytes.h"
#include "core/model/Project.h"

#include <memory>
#include <string>
#include <vector>

namespace vexa::test {

inline Settings settingsFor(int lineCount, bool multiSheet) {
    Settings s;
    s.maxLine = static_cast<std::int16_t>(lineCount);
    s.addFunction1 = multiSheet ? 1 : 0;
    return s;
}

// The five lines every Control File starts with.
inline const std::vector<std::string> kHeader = {"Vexa Editor", "Chimewell Assist", "VXA CE-2.0J", "200809",
                                                 "3-290714-360101"};

// The lines joined as the file holds them, still UTF-8.
inline std::string crlfLines(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& line : lines)
        out += line + "\r\n";
    return out;
}

inline SoundEntry namedSound(const std::string& name) {
    SoundEntry entry;
    entry.fileName = name;
    return entry;
}

// a.wav: one second of 22050 Hz mono 16 bit; b.wav: half a second of 8000 Hz mono 8 bit.
inline void writeExampleSounds(const std::filesystem::path& folder) {
    writeBytes(folder / "a.wav", pcmWave(1, 22050, 16, 44100));
    writeBytes(folder / "b.wav", pcmWave(1, 8000, 8, 4000));
}

inline SoundEntry exampleSound(const std::filesystem::path& folder, const std::string& name) {
    if (name == "a.wav")
        return {"a.wav", "22.05KHz", "16bit", "Mono", "1.000", "44144", (folder / name).string(), "朝のチャイム"};
    return {"b.wav", "8.KHz", "8bit", "Mono", "0.500", "4044", (folder / name).string(), ""};
}

// The project of the documented example: one sheet, Line Count 3, two sounds.
inline std::unique_ptr<Project> exampleProject(const std::filesystem::path& soundFolder) {
    auto p = std::make_unique<Project>();
    p->sounds = {exampleSound(soundFolder, "a.wav"), exampleSound(soundFolder, "b.wav")};
    p->soundPresent = true;
    ProgramLine& l0 = p->sheets[0].lines[0];
    l0.voices[0] = "a.wav";
    l0.voices[1] = "b.wav";
    l0.ledType = "1";
    l0.ledTime = "1.5";
    l0.time = "1.5";
    ProgramLine& l1 = p->sheets[0].lines[1];
    l1.voices[0] = "b.wav";
    l1.repeat = "2";
    l1.time = "1.0";
    p->patterns.led = {{{"0.5", "0.5"}, {"1.0", "1.0"}, {"0.2", "0.8"}}};
    p->patterns.buzzer = {{{"0.3", "0.7"}, {"1.0", "0.0"}, {"2.5", "2.5"}}};
    p->user.values = {"株式会社ベクサ", "営業部", "山田　太郎", "100-0001", "東京都千代田区１－２－３",
                      "03-1234-5678", "03-1234-5679", "販売", "info@example.jp", "https://example.jp/", "本社"};
    CardInformation& c = p->card;
    c.title = "VX-200";
    c.cardName = "CHIME01";
    c.folder = "CHIME";
    c.reservedNumber = "0";
    c.reservedText = "";
    c.cardType = "SD-256";
    c.cardSize = "2";
    c.in = "押しボタン";
    c.out = "回転灯";
    c.voice = "スピーカー";
    c.buzzer = "ブザー";
    c.ex = "なし";
    c.prgCorp = "ベクサ工業";
    c.prgMake = "鈴木";
    c.prgDate = "2024/04/01";
    c.memo1 = "朝礼用～始業";
    c.memo2 = "";
    return p;
}

}  // namespace vexa::test
