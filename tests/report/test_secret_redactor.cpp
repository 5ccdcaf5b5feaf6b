// What the support bundle's texts keep of a password and key codes: each value hidden whole,
// wherever and in whatever form it stands, and an empty key slot left to be seen.
#include "report/SupportBundle.h"

#include <gtest/gtest.h>

using namespace orvanta;

TEST(SecretRedactor, HidesEveryValueWholeAndKeepsEmptySlots)
{
    const struct
    {
        const char *text;
        const char *kept;
    } cases[] = {
        // The exchange on the line.
        {"+Q0104020503", "+Q[скрыто]"},
        {">0104020503\r\nOK", ">[скрыто]\r\nOK"},
        {"+T01EFCDAB8967452301", "+T01[скрыто]"},
        {">efcdab8967452301", ">[скрыто]"},
        {"+T040000000000000000", "+T040000000000000000"},
        {">0000000000000000", ">0000000000000000"},
        // Settings files, changes in the journal and the log, the window state.
        {"Пароль: 14253", "Пароль: [скрыто]"},
        {"Записано не всё: Пароль: [скрыто] → 97531 | Шлейф 1: нет → да",
         "Записано не всё: Пароль: [скрыто] → [скрыто] | Шлейф 1: нет → да"},
        {"Ключ 1: 0000000000000000 → 1A2B3C4D5E6F7081 | Ключ 2: 5566778899AABBCC → "
         "0000000000000000",
         "Ключ 1: 0000000000000000 → [скрыто] | Ключ 2: [скрыто] → 0000000000000000"},
        {"Key 3: 1A2B3C4D5E6F7081", "Key 3: [скрыто]"},
        {"Password: 86427", "Password: [скрыто]"},
        {"[fContact]\nxpass=14253\ne1=0000000000000000\ne2=ABCDEF0123456789",
         "[fContact]\nxpass=[скрыто]\ne1=0000000000000000\ne2=ABCDEF0123456789"},
        // What was learnt, as a whole value in any form; never digits inside a longer value.
        {"code 12345 seen", "code [скрыто] seen"},
        {"coded 0102030405.", "coded [скрыто]."},
        {"key cafebabe01425367 and 67534201BEBAFECA", "key [скрыто] and [скрыто]"},
        {"other CAFEBABE0123456789 and A12345", "other CAFEBABE0123456789 and A12345"},
    };
    SecretRedactor redactor;
    redactor.learn(QStringLiteral("12345"), {QStringLiteral("CAFEBABE01425367")});
    for (const auto &c : cases)
        EXPECT_EQ(redactor.redacted(QString::fromUtf8(c.text)), QString::fromUtf8(c.kept))
            << c.text;
}

TEST(SecretRedactor, LearnsTheValuesAChangeNames)
{
    SecretRedactor redactor;
    redactor.learnFromText(QStringLiteral("Пароль: 14253 → 97531 | Ключ 2: 0000000000000000 → "
                                          "1A2B3C4D5E6F7081"));
    EXPECT_EQ(redactor.redacted(QStringLiteral("97531 0907050301 81706f5e4d3c2b1a "
                                               "0000000000000000")),
              QStringLiteral("[скрыто] [скрыто] [скрыто] 0000000000000000"));
}
