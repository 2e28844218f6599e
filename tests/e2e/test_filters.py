"""The key filters for a real keyboard and for text that arrives by other routes: the
name boxes take Chinese only, the date lists digits only, and a refused text leaves the
field as it was."""

import time

import xm

NAME_BOXES = [("名字打分", "姓", "姓只能输入中文"), ("名字打分", "名", "名只能输入中文"), ("取名首页", "姓氏", "姓只能输入中文")]
DATE_LISTS = [(panel, label, message)
              for panel in ("名字打分", "取名首页")
              for label, message in (("年", "年份只能输入数字！"), ("月", "月份只能输入数字！"),
                                     ("日", "日期只能输入数字！"), ("时", "时辰只能输入数字！"))]


class Filters(xm.ProgramTest):
    def test_letters_typed_into_every_name_box_are_refused(self):
        for panel, label, message in NAME_BOXES:
            with self.subTest(field=label, panel=panel):
                self.p.toolbar(panel)
                self.p.fill(self.main, label, "李")
                xm.type_text("x")
                self.assertEqual(self.p.message(), message)
                self.assertEqual(self.p.value(self.main, label), "李")

    def test_letters_typed_into_every_date_list_are_refused(self):
        for panel, label, message in DATE_LISTS:
            with self.subTest(field=label, panel=panel):
                self.p.toolbar(panel)
                # "18" is no item's beginning in the year and month lists, so nothing
                # is completed behind it.
                self.p.fill(self.main, label, "18")
                xm.type_text("k")
                self.assertEqual(self.p.message(), message)
                self.assertEqual(self.p.value(self.main, label), "18")
                xm.key("End")
                xm.type_text("9")
                self.assertTrue(self.p.no_message())
                self.assertEqual(self.p.value(self.main, label), "189")

    def test_pasted_text_is_refused_by_every_field(self):
        fields = NAME_BOXES + DATE_LISTS
        for panel, label, message in fields:
            with self.subTest(field=label, panel=panel):
                self.p.toolbar(panel)
                self.p.fill(self.main, label, "")
                # A middle-click pastes the primary selection, without any key.
                xm.set_selection("Hello World 123", "primary")
                xm.click(self.p.field(self.main, label), button=2)
                self.assertEqual(self.p.message(), message)
                self.assertEqual(self.p.value(self.main, label), "")
                # The context menu's paste.
                xm.set_selection("abc", "clipboard")
                xm.click(self.p.field(self.main, label), button=3)
                time.sleep(0.4)
                xm.key("p")  # the menu's "&Paste"
                self.assertEqual(self.p.message(), message)
                self.assertEqual(self.p.value(self.main, label), "")

    def test_pasted_text_that_passes_is_taken(self):
        self.p.toolbar("名字打分")
        self.p.fill(self.main, "年", "")
        xm.set_selection("1990", "primary")
        xm.click(self.p.field(self.main, "年"), button=2)
        xm.wait_for("the pasted year", lambda: self.p.value(self.main, "年") == "1990")
        self.p.fill(self.main, "名", "")
        xm.set_selection("欧阳玉洁", "primary")
        xm.click(self.p.field(self.main, "名"), button=2)
        # A longer text is cut to the box's two characters.
        xm.wait_for("the pasted name", lambda: self.p.value(self.main, "名") == "欧阳")
        self.assertTrue(self.p.no_message())

    def test_a_full_name_box_takes_no_third_character(self):
        self.p.toolbar("名字打分")
        self.p.fill(self.main, "名", "李明")
        xm.key("Home")
        xm.type_text("玉")
        self.assertTrue(self.p.no_message())
        self.assertEqual(self.p.value(self.main, "名"), "李明")
        xm.key("End", "BackSpace")
        xm.type_text("玉")
        self.assertEqual(self.p.value(self.main, "名"), "李玉")
