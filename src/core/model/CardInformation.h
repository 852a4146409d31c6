#pragma once
// The description of a card as the control data creation window edits it.
#include <array>
#include <string>

namespace vexa {

struct CardInformation {
    std::string title;           // model used
    std::string cardName;        // control file name without extension
    std::string folder;          // folder created for the card data
    std::string cardSize;        // list position of the card capacity, "" until chosen
    std::string reservedText;    // "" when written by control data creation
    std::string cardType;        // card type used
    std::string reservedNumber;  // "0" when written by control data creation
    std::string prgCorp;         // company that made the data
    std::string prgMake;         // person who made the data
    std::string prgDate;         // "yyyy/mm/dd"
    std::string in;              // equipment of the IN function
    std::string out;             // … of the LED function
    std::string voice;           // … of the VOICE function
    std::string buzzer;          // … of the BUZZER function
    std::string ex;              // … of the EX function
    std::string memo1;
    std::string memo2;

    bool operator==(const CardInformation&) const = default;
};

struct CardInformationField {
    const char* name;
    std::string CardInformation::*value;
};

// The seventeen values by name, in the order they are held.
inline constexpr std::array<CardInformationField, 17> kCardInformationFields = {{
    {"Title", &CardInformation::title},
    {"CardName", &CardInformation::cardName},
    {"Folder", &CardInformation::folder},
    {"CardSize", &CardInformation::cardSize},
    {"ReservedText", &CardInformation::reservedText},
    {"CardType", &CardInformation::cardType},
    {"ReservedNumber", &CardInformation::reservedNumber},
    {"PrgCorp", &CardInformation::prgCorp},
    {"PrgMake", &CardInformation::prgMake},
    {"PrgDate", &CardInformation::prgDate},
    {"In", &CardInformation::in},
    {"Out", &CardInformation::out},
    {"Voice", &CardInformation::voice},
    {"Buzzer", &CardInformation::buzzer},
    {"Ex", &CardInformation::ex},
    {"Memo1", &CardInformation::memo1},
    {"Memo2", &CardInformation::memo2},
}};

}  // namespace vexa
