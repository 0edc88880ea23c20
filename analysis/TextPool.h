#pragma once
// Short texts made while filling a large grid (row numbers, seconds, sums),
// written one after another into one buffer and handed to the grid as views,
// so that a hundred thousand rows cost no hundred thousand allocations.
// Views are taken only once every text is in: the buffer must not grow
// under them.
#include <QString>
#include <QStringView>

#include <vector>

class TextPool {
public:
    void reserve(size_t texts, qsizetype averageLength = 8)
    {
        ends_.reserve(texts);
        buffer_.reserve(qsizetype(texts) * averageLength);
    }
    // Returns the text's index.
    size_t add(QStringView text)
    {
        buffer_ += text;
        ends_.push_back(buffer_.size());
        return ends_.size() - 1;
    }
    size_t addNumber(long long n)
    {
        char digits[24];
        int len = 0;
        const bool negative = n < 0;
        unsigned long long u =
            negative ? 0ULL - static_cast<unsigned long long>(n) : static_cast<unsigned long long>(n);
        do {
            digits[len++] = char('0' + u % 10);
            u /= 10;
        } while (u > 0);
        if (negative)
            buffer_ += QLatin1Char('-');
        while (len > 0)
            buffer_ += QLatin1Char(digits[--len]);
        ends_.push_back(buffer_.size());
        return ends_.size() - 1;
    }
    // A view into the pool, valid while the pool lives.
    QString view(size_t index) const
    {
        const qsizetype start = index == 0 ? 0 : ends_[index - 1];
        return QString::fromRawData(buffer_.constData() + start, ends_[index] - start);
    }

private:
    QString buffer_;
    std::vector<qsizetype> ends_;
};
