#include "tunes/TuneBook.h"

std::vector<Tune> TuneBook()
{
    std::vector<Tune> book = FolkTunes();
    for (Tune& tune : ClassicalTunes())
        book.push_back(tune);
    return book;
}
