#include "core/config/Messages.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

TEST(Messages, TextsAreExactWithPaddingAndLineFeeds) {
    EXPECT_EQ(GetMsg(1000), "Vexa Editor 2J");
    EXPECT_EQ(GetMsg(2002), "確認");
    EXPECT_EQ(GetMsg(2003), "必須項目が入力されていません。\u3000\u3000");
    EXPECT_EQ(GetMsg(2504), "コントロールファイルの読込に失敗しました。    ");  // four ASCII spaces
    EXPECT_EQ(GetMsg(2036),
              "エディタ情報が変更されています。保存しますか？\u3000\u3000\n"
              "「はい」\u3000\u3000：\u3000保存して終了\n「いいえ」\u3000：\u3000保存せずに終了");
    EXPECT_EQ(GetMsg(2030).back(), '\n');
    EXPECT_EQ(GetMsg(2812), "項目【COMENTS】に入力できる文字数は全角20文字です。");
}

TEST(Messages, ExtraIsAppendedAndUnknownNumbersAreEmpty) {
    EXPECT_EQ(GetMsg(2043, ""), " は既に登録されています。");
    EXPECT_EQ(GetMsg(2077, "ABC"), "作成フォルダ ABC");
    EXPECT_EQ(GetMsg(2005, "x"), "0.000～300.000までの数値を入力してください。\u3000\u3000x");
    EXPECT_EQ(GetMsg(1002), "");
    EXPECT_EQ(GetMsg(1002, "extra"), "");
    EXPECT_EQ(GetMsg(-1), "");
}

TEST(Messages, EveryGroupIsPresent) {
    for (int n : {1000, 1001, 1003, 1004, 1006, 1007, 1008, 1100, 2000, 2048, 2067, 2072, 2108, 2500,
                  2501, 2504, 2507, 2520, 2521, 2800, 2812})
        EXPECT_NE(messageText(n), nullptr) << n;
    for (int n : {999, 1005, 2049, 2066, 2109, 2502, 2522, 2813})
        EXPECT_EQ(messageText(n), nullptr) << n;
}

}  // namespace
}  // namespace vexa
