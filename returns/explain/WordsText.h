#pragma once

#include <QChar>
#include <QLatin1String>
#include <QString>
#include <QStringView>
#include <algorithm>
#include <memory>

// The text of a figure's words while they are written: UTF-16 units appended to room on the
// stack, made into a QString of the exact length once the words are done. A return of many
// locations writes thousands of these texts, each from dozens of pieces, so a piece is copied
// without any of a shared string's checks and the text is allocated only once.
class WordsText {
public:
    WordsText() = default;
    WordsText(const WordsText&) = delete;
    WordsText& operator=(const WordsText&) = delete;

    WordsText& operator+=(QLatin1String latin1) {
        char16_t* out = extend(latin1.size());
        for (const char letter : latin1)
            *out++ = char16_t(static_cast<unsigned char>(letter));
        return *this;
    }
    WordsText& operator+=(QStringView text) {
        std::copy_n(text.utf16(), text.size(), extend(text.size()));
        return *this;
    }
    WordsText& operator+=(const QString& text) { return *this += QStringView(text); }
    WordsText& operator+=(char16_t unit) {
        *extend(1) = unit;
        return *this;
    }
    WordsText& operator+=(QLatin1Char letter) { return *this += char16_t(letter.unicode()); }

    // Room for `count` more units at the end, to be written through the pointer returned.
    char16_t* extend(qsizetype count) {
        if (size_ + count > capacity_)
            grow(size_ + count);
        char16_t* const out = units_ + size_;
        size_ += count;
        return out;
    }

    qsizetype size() const { return size_; }
    bool isEmpty() const { return size_ == 0; }
    // The letter at `at` in upper case, as a sentence starts.
    void capitalize(qsizetype at);

    // The text from `start` on.
    QString sliced(qsizetype start) const {
        return QString(reinterpret_cast<const QChar*>(units_ + start), size_ - start);
    }
    QString toString() const { return sliced(0); }

private:
    // Room for the words of nearly every figure; a combined return's longest sums grow it.
    static constexpr qsizetype kRoom = 512;

    void grow(qsizetype needed);

    char16_t room_[kRoom];
    std::unique_ptr<char16_t[]> grown_;
    char16_t* units_ = room_;
    qsizetype size_ = 0;
    qsizetype capacity_ = kRoom;
};
