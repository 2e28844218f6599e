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
                self.p.fill(self.main, label, "19")
                xm.type_text("k")
                self.assertEqual(self.p.message(), message)
                self.assertEqual(self.p.value(self.main, label), "19")
                xm.type_text("9")
                self.assertTrue(self.p.no_message())
                self.assertEqual(self.p.value(self.main, label), "199")

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
                menu = xm.wait_for("the context menu", lambda: self.p.find_window(""))
                xm.click(self.p.one(menu, "menu item", "&Paste") if self.p.find(menu, "menu item", "&Paste")
                         else self.p.one(menu, "menu item", "Paste"))
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

    def test_dropped_text_is_refused(self):
        self.p.toolbar("名字打分")
        self.p.fill(self.main, "年", "1990")
        self.p.fill(self.main, "姓", "")
        year = self.p.field(self.main, "年")
        xm.click(year)
        xm.key("End", "shift+Home")
        x, y, w, h = xm.extents(year)
        sx, sy, sw, sh = xm.extents(self.p.field(self.main, "姓"))
        xm.xdo("mousemove", "--sync", x + 12, y + h // 2)
        xm.xdo("mousedown", 1)
        for step in range(1, 11):
            xm.xdo("mousemove", "--sync", x + 12 + (sx + sw // 2 - x - 12) * step // 10,
                   y + h // 2 + (sy + sh // 2 - y - h // 2) * step // 10)
            time.sleep(0.05)
        xm.xdo("mouseup", 1)
        self.assertEqual(self.p.message(), "姓只能输入中文")
        self.assertEqual(self.p.value(self.main, "姓"), "")

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
