// Writes a plausible データ.TXT of N records to standard output, for timing
// the program by hand: make_record_file 32766 > データ.TXT; a second number
// spreads the records over that many days (make_record_file 32766 1096).
#include "platform/Sjis.h"
#include "support/RecordGenerator.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    const int count = argc > 1 ? std::atoi(argv[1]) : 32766;
    const int days = argc > 2 ? std::atoi(argv[2]) : 0;
    const QString text = days > 0 ? recordgen::spread(count, days) : recordgen::text(count);
    const QByteArray bytes = sjis::encode(text).bytes;
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    return 0;
}
