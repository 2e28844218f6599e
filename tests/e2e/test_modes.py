"""The four naming modes: each page of the naming panel starts its own mode from the inputs
of the last page, with the same checks, and the naming result window shows that mode's
names; the page of a character shows its reading and meaning."""

import time

import xm

MODES = ["综合大师模式", "主流高分模式", "个性化模式"]


class Modes(xm.ProgramTest):
    def fill_inputs(self):
        m = self.main
        xm.click(self.p.one(m, "page tab", "音形义模式"))
        self.p.fill(m, "姓氏", "王")
        self.p.choose(m, "男")
        self.p.choose(m, "公历")
        for label, text in (("年", "1990"), ("月", "5"), ("日", "17"), ("时", "18")):
            self.p.fill(m, label, text)

    def show_names(self, window, shot):
        """Scrolls the page down to its first names and takes the picture."""
        x, y, w, h = xm.extents(window)
        xm.click_at(x + w // 2, y + h // 2)
        for _ in range(3):
            xm.key("Page_Down")
        time.sleep(0.6)
        self.p.screenshot(window, shot)

    def test_each_page_starts_its_mode(self):
        m = self.main
        # The inputs live on the last page; a mode's button checks them as "开始取名" does.
        xm.click(self.p.one(m, "page tab", "综合大师模式"))
        self.p.press(m, "开始取名（综合大师模式）")
        self.assertEqual(self.p.message(), "姓不能为空！")
        self.assertIsNone(self.p.find_window("综合大师模式取名"))

        self.fill_inputs()
        for number, mode in enumerate(MODES, 1):
            with self.subTest(mode=mode):
                self.p.activate("姓名测试与取名")
                xm.click(self.p.one(m, "page tab", mode))
                if number == 1:
                    self.p.screenshot(m, "main-naming-mode.png")
                self.p.press(m, "开始取名（%s）" % mode)
                self.assertEqual(self.p.message(),
                                 "此命五行缺木；日主天干为水；必须有木助，但忌火太多。请您稍后参考此资料取名！")
                # One result window, named after the mode of the page.
                result = self.p.window(mode + "取名")
                self.p.web_loaded(result)
                self.assertEqual(len([w for w in self.p.windows() if xm.name(w).endswith("模式取名")]), 1)
                self.p.screenshot(result, "naming-mode-%d.png" % number)
                self.show_names(result, "naming-mode-%d-names.png" % number)

        # The page of the inputs keeps its own mode and the window its first title.
        self.p.activate("姓名测试与取名")
        xm.click(self.p.one(m, "page tab", "音形义模式"))
        self.p.press(m, "开始取名")
        self.p.message()
        result = self.p.window("音形义模式取名")
        self.p.web_loaded(result)
        self.p.screenshot(result, "naming-result.png")
        self.show_names(result, "naming-mode-4-names.png")

    def test_character_outside_the_table_is_named_in_the_status_bar(self):
        m = self.main
        self.p.toolbar("名字打分")
        self.p.fill(m, "姓", "王")
        self.p.fill(m, "名", "䶮")
        self.p.choose(m, "男")
        self.p.choose(m, "公历")
        for label, text in (("年", "1990"), ("月", "5"), ("日", "17"), ("时", "18")):
            self.p.fill(m, label, text)
        self.p.press(m, "开始评分")
        report = self.p.window("评分结果")
        warning = "字库中没有“䶮”：按 1 划、五行“?”计分（按部首推算康熙笔画为 20 划）。"
        self.p.activate("姓名测试与取名")
        xm.wait_for("the status bar's warning", lambda: warning in self.p.labels(m))
        self.p.screenshot(m, "main-outside-table.png")
        # The report's character tab shows the character's reading and derived strokes.
        self.p.activate("评分结果")
        xm.click(self.p.one(report, "page tab", "名1"))
        self.p.web_loaded(report)
        self.p.screenshot(report, "report-character-outside.png")
        # A test of a name inside the table clears the warning.
        self.p.activate("姓名测试与取名")
        self.p.fill(m, "名", "明")
        self.p.press(m, "开始评分")
        self.p.window("评分结果")
        self.p.activate("姓名测试与取名")
        xm.wait_for("the warning to go", lambda: warning not in self.p.labels(m))
