// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "tunes/TuneBook.h"

namespace {
Tune OdeToJoy()
{
    return Tune{
        "odetojoy", "Ode to Joy",
        "Ludwig van Beethoven wrote this melody for the last part of his Ninth Symphony, which he finished "
        "in 1824. By then he was almost completely deaf, but he could still hear the music in his head. "
        "Today the tune is the anthem of Europe. Listen to how the melody walks up and down, one step at a "
        "time, like climbing stairs.",
        4, 116,
        {{"E4q E4q F4q G4q | G4q F4q E4q D4q | C4q C4q D4q E4q | E4q. D4e D4h |"
          "E4q E4q F4q G4q | G4q F4q E4q D4q | C4q C4q D4q E4q | D4q. C4e C4h |"
          "D4q D4q E4q C4q | D4q E4e F4e E4q C4q | D4q E4e F4e E4q D4q | C4q D4q G3h |"
          "E4q E4q F4q G4q | G4q F4q E4q D4q | C4q C4q D4q E4q | D4q. C4e C4h",
          "C | G | C | G | C | G | C | G C | G C | G7 C | G7 | D7 G | C | G | C | G C"}},
        1,
        {Verse{0, {{Clarinet, 1, 90}}, {{Part::BassOom, AcousticBass, 66}, {Part::ChordAfterBeats, Piano, 50}}},
         Verse{0, {{Trumpet, 1, 94}, {FrenchHorn, 0, 70}},
               {{Part::ChordHeld, Strings, 54}, {Part::BassOom, Tuba, 70}, {Part::ChordAfterBeats, Piano, 46}}}},
    };
}

Tune Lullaby()
{
    return Tune{
        "lullaby", "Brahms' Lullaby",
        "Johannes Brahms wrote this cradle song in 1868 as a present for a friend who had just had a baby "
        "boy. In German it is called \"Wiegenlied\", which means cradle song. It has three beats in every "
        "bar, so it rocks gently like a swaying cradle. Parents all over the world sing it at bedtime.",
        3, 84,
        {{"rh E4e E4e | G4h E4e E4e | G4h E4e G4e | C5q B4q. A4e |"
          "A4q G4q D4e E4e | F4q D4q D4e E4e | F4h D4e F4e | B4e A4e G4q B4q |"
          "C5h C4e C4e | C5h A4e F4e | G4h E4e C4e | F4q G4q A4q |"
          "G4h C4e C4e | C5h A4e F4e | G4h E4e C4e | F4q E4q D4q | C4h.",
          "C | C | C | G7 | G7 | G7 | G7 | G7 | C | F | C | F | C | F | C | G7 | C"}},
        2,
        {Verse{0, {{MusicBox, 1, 88}}, {{Part::ChordArpeggio, Harp, 50}, {Part::BassOom, Cello, 46}}},
         Verse{0, {{Flute, 1, 80}},
               {{Part::ChordHeld, SlowStrings, 42}, {Part::ChordArpeggio, Harp, 46}, {Part::BassOom, Cello, 46}}}},
    };
}

Tune Minuet()
{
    return Tune{
        "minuet", "Minuet in G",
        "A minuet is a graceful dance with three beats in each bar, danced by lords and ladies long ago. "
        "This famous minuet comes from a music notebook that Johann Sebastian Bach gave to his wife Anna "
        "Magdalena in 1725. People long thought Bach wrote it, but it was probably written by Christian "
        "Petzold, an organ player in Dresden. First you hear a harpsichord, the piano's older cousin.",
        3, 126,
        {{"D5q G4e A4e B4e C5e | D5q G4q G4q | E5q C5e D5e E5e F#5e | G5q G4q G4q |"
          "C5q D5e C5e B4e A4e | B4q C5e B4e A4e G4e | F#4q G4e A4e B4e G4e | A4h. |"
          "D5q G4e A4e B4e C5e | D5q G4q G4q | E5q C5e D5e E5e F#5e | G5q G4q G4q |"
          "C5q D5e C5e B4e A4e | B4q C5e B4e A4e G4e | A4q B4e A4e G4e F#4e | G4h.",
          "G | G | C | G | C | G | D7 | D | G | G | C | G | C | G | D7 | G"}},
        1,
        {Verse{0, {{Harpsichord, 0, 90}}, {{Part::BassOom, Harpsichord, 70}, {Part::ChordAfterBeats, Harpsichord, 52}}},
         Verse{0, {{Flute, 0, 88}}, {{Part::BassOom, Cello, 64}, {Part::ChordAfterBeats, PizzicatoStrings, 58}}}},
    };
}

Tune MountainKing()
{
    const Layer pizz{Part::BassBeats, PizzicatoStrings, 56};
    const Layer brass{Part::ChordAfterBeats, Brass, 72};
    const Layer drums{Part::Drums, 0, 56};
    const Layer timpani{Part::BassOom, Timpani, 48};
    return Tune{
        "mountainking", "In the Hall of the Mountain King",
        "Edvard Grieg, a composer from Norway, wrote this music in 1875 for a play called Peer Gynt. In the "
        "story Peer finds himself in the hall of the king of the trolls, and the angry trolls want to catch "
        "him! The same short tune comes back again and again, faster and louder every time. Can you hear "
        "the trolls coming closer?",
        4, 100,
        {{"B3e C#4e D4e E4e F#4e D4e F#4q | E#4e C#4e E#4q E4e C4e E4q |"
          "B3e C#4e D4e E4e F#4e D4e F#4e B4e | A4e F#4e D4e F#4e A4h",
          "Bm | Bm | Bm | D"},
         {"F#4e G#4e A#4e B4e C#5e A#4e C#5q | B#4e G#4e B#4q B4e G4e B4q |"
          "F#4e G#4e A#4e B4e C#5e A#4e C#5e F#5e | E5e C#5e A#4e C#5e E5h",
          "F# | F# | F# | F#7"}},
        1,
        {Verse{0, {{Bassoon, 0, 110, 0, 0.55}}, {pizz}, 100},
         Verse{0, {{Bassoon, 0, 112, 0, 0.55}}, {pizz}, 112},
         Verse{1, {{Clarinet, 0, 110, 0, 0.55}}, {pizz}, 124},
         Verse{1, {{Clarinet, 0, 112, 0, 0.55}, {Bassoon, -1, 90, 0, 0.55}}, {pizz}, 136},
         Verse{0, {{Strings, 0, 60, 0, 0.6}, {Bassoon, -1, 86, 0, 0.55}}, {pizz, timpani}, 150},
         Verse{0, {{Strings, 0, 64, 0, 0.6}, {Trumpet, 0, 80, 0, 0.55}}, {pizz, timpani, brass}, 166},
         Verse{0, {{Strings, 0, 66, 0, 0.6}, {Brass, 0, 76, 0, 0.55}, {Piccolo, 1, 72, 0, 0.55}},
               {pizz, timpani, brass, drums}, 182},
         Verse{0, {{Strings, 0, 68, 0, 0.6}, {Brass, 0, 78, 0, 0.55}, {Piccolo, 1, 74, 0, 0.55}},
               {pizz, timpani, brass, drums}, 200}},
        "Bm", false,
    };
}
} // namespace

std::vector<Tune> ClassicalTunes()
{
    return {OdeToJoy(), Lullaby(), Minuet(), MountainKing()};
}
