// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "tunes/TuneBook.h"

namespace {
Tune Twinkle()
{
    return Tune{
        "twinkle", "Twinkle, Twinkle, Little Star",
        "This little tune is more than 250 years old. It began as a French song called \"Ah! vous dirai-je, "
        "maman\", and Mozart wrote twelve variations on it. The same melody is used for the Alphabet Song and "
        "for \"Baa, Baa, Black Sheep\". Can you sing along?",
        4, 100,
        {{"C4q C4q G4q G4q | A4q A4q G4h | F4q F4q E4q E4q | D4q D4q C4h |"
          "G4q G4q F4q F4q | E4q E4q D4h | G4q G4q F4q F4q | E4q E4q D4h |"
          "C4q C4q G4q G4q | A4q A4q G4h | F4q F4q E4q E4q | D4q D4q C4h",
          "C | F C | F C | G7 C | C F | C G | C F | C G | C | F C | F C | G7 C"}},
        2,
        {Verse{0, {{MusicBox, 1, 92}}, {{Part::ChordArpeggio, Harp, 56}, {Part::BassHeld, AcousticBass, 58}}},
         Verse{0, {{Flute, 1, 88}, {Glockenspiel, 1, 58}},
               {{Part::ChordHeld, Strings, 46}, {Part::ChordArpeggio, Harp, 50}, {Part::BassHeld, AcousticBass, 58}}}},
    };
}

Tune BrotherJohn()
{
    return Tune{
        "brotherjohn", "Brother John (Frere Jacques)",
        "This is an old French song about a monk who sleeps too long, when he should be ringing the morning "
        "bells. It is a round: one voice starts, then other voices start the same tune a little later, and "
        "they all fit together. Here a marimba begins, then a flute and a bassoon join in. Try singing it as "
        "a round with your friends!",
        4, 120,
        {{"C4q D4q E4q C4q | C4q D4q E4q C4q | E4q F4q G4h | E4q F4q G4h |"
          "G4e A4e G4e F4e E4q C4q | G4e A4e G4e F4e E4q C4q | C4q G3q C4h | C4q G3q C4h",
          "C"}},
        2,
        {Verse{0, {{Marimba, 0, 96}, {Flute, 1, 80, 2}, {Bassoon, -1, 84, 4}},
               {{Part::BassOom, PizzicatoStrings, 62}}, 0, 2}},
    };
}

Tune YankeeDoodle()
{
    const std::vector<Layer> band{{Part::Drums, 0, 72}, {Part::BassOom, Tuba, 72}};
    return Tune{
        "yankee", "Yankee Doodle",
        "Yankee Doodle is a cheerful song that was sung in America more than 240 years ago, at the time of "
        "the American Revolution. Soldiers marched to it, played on little flutes called fifes and on "
        "drums. The words tell of a funny fellow who sticks a feather in his cap. Can you march in time with "
        "the drum?",
        4, 120,
        {{"C4q C4q D4q E4q | C4q E4q D4q G3q | C4q C4q D4q E4q | C4h B3h |"
          "C4q C4q D4q E4q | F4q E4q D4q C4q | B3q G3q A3q B3q | C4h C4h |"
          "A4q B4q A4q G4q | A4q B4q C5h | G4q A4q G4q F4q | E4h G4h |"
          "A4q B4q A4q G4q | A4q B4q C5q A4q | G4q C5q B4q D5q | C5h C5h",
          "C | C G | C | C G | C | F C | G | C | F | F C | G7 | C | F | F | C G | C"}},
        2,
        {Verse{0, {{Piccolo, 1, 92, 0, 0.8}}, band},
         Verse{0, {{Trumpet, 1, 96, 0, 0.85}, {Piccolo, 2, 70, 0, 0.8}},
               {{Part::Drums, 0, 76}, {Part::BassOom, Tuba, 74}, {Part::ChordAfterBeats, Brass, 54}}}},
    };
}

Tune Moonlight()
{
    return Tune{
        "moonlight", "Au Clair de la Lune",
        "This French folk song's name means \"By the Light of the Moon\". A friend knocks on a door at night "
        "to borrow a pen, because his candle has gone out. In 1860 a Frenchman recorded someone singing "
        "it, as wavy lines drawn on paper. It is the oldest recording of a human voice that can be "
        "recognised, but nobody could hear it until 2008, when scientists turned the lines into sound.",
        4, 104,
        {{"C4q C4q C4q D4q | E4h D4h | C4q E4q D4q D4q | C4w |"
          "C4q C4q C4q D4q | E4h D4h | C4q E4q D4q D4q | C4w |"
          "D4q D4q D4q D4q | A3h A3h | D4q C4q B3q A3q | G3w |"
          "C4q C4q C4q D4q | E4h D4h | C4q E4q D4q D4q | C4w",
          "C | C G | C G7 | C | C | C G | C G7 | C | G | D7 | D7 | G | C | C G | C G7 | C"}},
        2,
        {Verse{0, {{Ocarina, 1, 90}}, {{Part::ChordArpeggio, NylonGuitar, 60}, {Part::BassHeld, AcousticBass, 60}}},
         Verse{0, {{Accordion, 1, 86}}, {{Part::ChordArpeggio, NylonGuitar, 56}, {Part::BassOom, AcousticBass, 64}}}},
    };
}

Tune MaryLamb()
{
    const std::vector<Layer> bounce{
        {Part::BassOom, AcousticBass, 78}, {Part::ChordAfterBeats, Piano, 62}, {Part::ChordHeld, Strings, 36}};
    return Tune{
        "marylamb", "Mary Had a Little Lamb",
        "The words of this song were first printed in America in 1830. They tell of a girl named Mary "
        "whose pet lamb followed her to school one day; people say it really happened. In 1877 Thomas "
        "Edison said its first lines into his new phonograph, and the machine played his voice back: "
        "nobody had ever heard a recorded voice before. The melody uses only four different notes.",
        4, 116,
        {{"E4q D4q C4q D4q | E4q E4q E4h | D4q D4q D4h | E4q G4q G4h |"
          "E4q D4q C4q D4q | E4q E4q E4q E4q | D4q D4q E4q D4q | C4w",
          "C | C | G | C | C | C | G | C"}},
        2,
        {Verse{0, {{Xylophone, 1, 84}}, bounce},
         Verse{0, {{SteelDrums, 1, 80}}, bounce},
         Verse{0, {{Glockenspiel, 1, 76}, {Xylophone, 1, 76}},
               {{Part::BassOom, AcousticBass, 78}, {Part::ChordAfterBeats, Piano, 62}, {Part::ChordHeld, Strings, 36},
                {Part::Drums, 0, 40}}}},
    };
}

Tune LondonBridge()
{
    return Tune{
        "londonbridge", "London Bridge Is Falling Down",
        "This nursery rhyme is hundreds of years old. The real London Bridge, across the River Thames, has "
        "been rebuilt many times. Children play a game to it: two players make an arch with their arms, the "
        "others walk underneath, and when the song ends the arch falls down and catches someone!",
        4, 112,
        {{"G4q. A4e G4q F4q | E4q F4q G4h | D4q E4q F4h | E4q F4q G4h |"
          "G4q. A4e G4q F4q | E4q F4q G4h | D4h G4h | E4h C4h",
          "C | C | G7 | C | C | C | G7 | C"}},
        2,
        {Verse{0, {{PanFlute, 1, 90}}, {{Part::BassOom, AcousticBass, 64}, {Part::ChordAfterBeats, Piano, 50}}},
         Verse{0, {{Vibraphone, 1, 90}}, {{Part::BassOom, AcousticBass, 64}, {Part::ChordArpeggio, Harp, 54}}},
         Verse{0, {{Trumpet, 1, 94}, {PanFlute, 1, 66}},
               {{Part::BassOom, Tuba, 70}, {Part::ChordAfterBeats, Brass, 52}, {Part::Drums, 0, 64}}}},
    };
}
} // namespace

std::vector<Tune> FolkTunes()
{
    return {Twinkle(), BrotherJohn(), YankeeDoodle(), Moonlight(), MaryLamb(), LondonBridge()};
}
