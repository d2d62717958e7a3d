// Stored text as numbers and colours, including damaged values.
#include "NumeroConfig.h"

#include <gtest/gtest.h>

using namespace NumeroConfig;

TEST(NumeroConfig, InteirosECores)
{
    EXPECT_EQ(Inteiro(" 12 ", 0, 100), 12);
    EXPECT_EQ(Inteiro("-10", -100, 100), -10);
    EXPECT_EQ(Inteiro("2.5", 0, 9), 2); // halves to even
    EXPECT_EQ(Inteiro("3.5", 0, 9), 4);
    for (const char* ruim : {"", "abc", "12abc", "1e3", "0x10", "1,5", "nan", "inf", "."})
        EXPECT_FALSE(Inteiro(ruim, -1000, 1000).has_value()) << ruim;
    EXPECT_FALSE(Inteiro("2147483648", INT32_MIN, INT32_MAX).has_value());
    EXPECT_EQ(Inteiro("2147483647", INT32_MIN, INT32_MAX), INT32_MAX);
    EXPECT_FALSE(Inteiro(QString(400, u'9'), INT32_MIN, INT32_MAX).has_value());
    EXPECT_EQ(InteiroOu("5", 7, 0, 4), 7);

    EXPECT_EQ(CorHex("3068ff"), "3068FF");
    for (const char* ruim : {"", "12345", "1234567", "GG0000", "#FF0000"})
        EXPECT_FALSE(CorHex(ruim).has_value()) << ruim;
}
