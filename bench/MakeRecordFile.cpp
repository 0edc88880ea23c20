// Writes a plausible データ.TXT of N records to standard output, for timing
// the program by hand: make_record_file 32766 > データ.TXT
#include "platform/Sjis.h"
#include "support/RecordGenerator.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    const int count = argc > 1 ? std::atoi(argv[1]) : 32766;
    const QByteArray bytes = sjis::encode(recordgen::text(count)).bytes;
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    return 0;
}
