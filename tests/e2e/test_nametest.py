"""The name test as a user runs it: the panel typed by keyboard, every refusal with its
message, the report line for line, its web pages and its detail buttons."""

import os
import subprocess

import xm

CLI = os.path.join(xm.BUILD, "cli", "xingming-cli")


def fill_name_test(p, surname, given, sex, calendar, year, month, day, hour):
    m = p.main
    p.fill(m, "姓", surname)
    p.fill(m, "名", given)
    if sex:
        p.choose(m, sex)
    if calendar:
        p.choose(m, calendar)
    for label, text in (("年", year), ("月", month), ("日", day), ("时", hour)):
        p.fill(m, label, text)


def cli_report(surname, given, sex, calendar, year, month, day, hour):
    """The report of the same inputs from the command line, which shares the core."""
    out = subprocess.run([CLI, "score", "--surname", surname, "--given", given, "--sex", sex, "--calendar", calendar,
                          "--year", year, "--month", month, "--day", day, "--hour", hour],
                         capture_output=True, text=True, check=True).stdout
    return [line for line in out.splitlines() if line and not line.startswith("【")]


class NameTest(xm.ProgramTest):
    def setUp(self):
        super().setUp()
        self.p.toolbar("名字打分")

    def run_test(self, *fields):
        fill_name_test(self.p, *fields)
        self.p.press(self.main, "开始评分")

    def test_worked_example_report_line_for_line(self):
        self.run_test("李", "明", "男", "公历", "1990", "5", "17", "18")
        self.p.screenshot(self.main, "main-nametest.png")
        report = self.p.window("评分结果")
        labels = self.p.labels(report)
        shown = " ".join(labels)
        # Every line of the report, as the command line prints it, stands in the window:
        # captions and values in their own cells, "-> " lines whole.
        for line in cli_report("李", "明", "男", "公历", "1990", "5", "17", "18"):
            if line.startswith("姓名：") or line.startswith("笔划数：") or line.startswith("五行属性："):
                caption, values = line.split("：", 1)
                for v in values.split():
                    self.assertIn(v, labels, line)
            elif " -> " in line:
                caption, value = line.split(" -> ", 1)
                self.assertTrue(caption in labels or caption + " ->" in labels, line)
                self.assertTrue(value in labels or "-> " + value in labels, line)
            else:
                self.assertTrue(line in labels or line.rstrip() in shown, line)
        self.assertIn("姓名得分：80.5", labels)
        self.assertIn("你的名字起得相当不错，但别忘了要想成功，还要继续努力哟。需谨慎处理财富", labels)
        self.p.screenshot(report, "report-liming.png")

        # The detail buttons open the explanation of their grid's number.
        for index, number in enumerate((8, 15, 9, 2, 15)):
            self.p.press(report, "详细解释", index)
            detail = self.p.window("详细解释")
            texts = [xm.text_of(a) for a in self.p.find(detail, "text")]
            self.assertTrue(any(t.startswith("%d." % number) for t in texts), (number, [t[:12] for t in texts]))
            if index == 1:
                self.p.screenshot(detail, "detail-window.png")
            self.p.press(detail, "关 闭")
            self.p.wait_closed("详细解释")

        # The three web pages: each opens, shows its page and returns with "返 回".
        for tab, shot in (("姓氏", "report-surname-page.png"), ("名1", "report-character-page.png"), ("名2", None)):
            xm.click(self.p.one(report, "page tab", tab))
            self.p.web_loaded(report)
            if shot:
                self.p.screenshot(report, shot)
            self.p.press(report, "返 回")
            xm.wait_for("the report page", lambda: "姓名得分：80.5" in self.p.labels(report))

        # "关 闭" closes the report; the program goes on.
        self.p.press(report, "关 闭")
        self.p.wait_closed("评分结果")
        self.p.assert_alive()

    def test_new_test_shows_the_report_page_with_the_new_score(self):
        self.run_test("李", "明", "男", "公历", "1990", "5", "17", "18")
        report = self.p.window("评分结果")
        xm.click(self.p.one(report, "page tab", "姓氏"))
        self.p.web_loaded(report)
        self.p.activate("姓名测试与取名")
        self.run_test("欧阳", "玉", "女", "公历", "1990", "5", "17", "18")
        report = self.p.window("评分结果")
        xm.wait_for("the new report on its page",
                    lambda: "欧阳" not in self.p.labels(report) and "阳" in self.p.labels(report))
        tabs = self.p.one(report, "page tab list")
        self.assertEqual(xm.name(tabs), "五格剖象法分析")
        self.assertTrue(any(l.startswith("姓名得分：") for l in self.p.labels(report)))
        self.p.screenshot(report, "report-ouyangyu.png")
        # The second given-name character is empty: its page still opens.
        xm.click(self.p.one(report, "page tab", "名2"))
        self.p.web_loaded(report)

    def test_every_refusal_in_order(self):
        cases = [
            # No sex chosen yet: an option once chosen stays chosen.
            (("", "明", None, "公历", "1990", "5", "17", "18"), "姓不能为空！"),
            (("李", "", None, "公历", "1990", "5", "17", "18"), "名不能为空！"),
            (("李", "明", None, "公历", "1990", "5", "17", "18"), "请选择性别！"),
            (("李", "明", "男", "公历", "1900", "5", "17", "18"), "年不能为空，且应在1901至2050之间！"),
            (("李", "明", "男", "公历", "1990", "13", "17", "18"), "月不能为空，且应在1至12之间！"),
            (("李", "明", "男", "公历", "1990", "5", "", "18"), "日不能为空，且应在1至31之间！"),
            (("李", "明", "男", "公历", "1990", "4", "31", "18"), "4月只有30天！"),
            (("李", "明", "男", "公历", "2001", "2", "29", "18"), "2001年是平年，2月只有28天！"),
            (("李", "明", "男", "公历", "2000", "2", "30", "18"), "2000年是闰年，2月只有29天！"),
            (("李", "明", "男", "公历", "1990", "5", "17", "24"), "时不能为空，且应在0至23之间！"),
            (("李", "明", "男", "农历", "1990", "3", "30", "18"), "请核对万年历，您输入的农历日期有误！"),
        ]
        for fields, message in cases:
            with self.subTest(message=message):
                self.run_test(*fields)
                self.assertEqual(self.p.message(), message)
                self.assertIsNone(self.p.find_window("评分结果"), "a refused test opened the report")

    def test_calendar_kind_refusal_comes_last(self):
        # A fresh panel has no calendar kind chosen.
        self.run_test("李", "明", "男", None, "1990", "5", "17", "18")
        self.assertEqual(self.p.message(), "您输入的是公历、农历？请选择！")
