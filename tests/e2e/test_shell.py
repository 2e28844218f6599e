"""The main window's toolbar and everything it opens: the panels, the dialogs and every
link in them, the program's pages, the naming request, the fun tools, and both ways of
ending the program."""

import os
import subprocess
import time

import xm
from test_nametest import fill_name_test

CLI = os.path.join(xm.BUILD, "cli", "xingming-cli")

NAMING_TIPS = ["1.综合大师模式是运用多种姓名学派别的算法进行联合筛选。", "（推荐）",
               "2.主流高分模式是现在大多数取名软件所使用的方法，有评分挑选更方便。",
               "3.个性化模式有很多不常见的名字，名字不分男女全部列出任您挑选。",
               "4.音形义模式更加注重名字的读音、形状和意义。", "5.如果设置了辈份字，能弥补五行不足的名字可能并不多哦。"]
TEST_TIPS = ["1.“姓名”所用字的笔划以<<康熙字典>>为准。", "2.暂时不支持“姓”超过两个字或“名”超过两个字。",
             "3.依靠后天的努力照样可以摆脱命理的限制，并取得成功。但是", "  ，命理好可以让人少走弯路，事半功倍，更容易成功。"]


def open_vendor_page(test, opener, title):
    """A link or button opens the vendor-page window on its page; it closes again."""
    opener()
    page = test.p.window(title)
    test.p.web_loaded(page)
    return page


class Shell(xm.ProgramTest):
    def test_start_state_and_panels(self):
        labels = self.p.labels(self.main)
        for tip in NAMING_TIPS:
            self.assertIn(tip, labels)
        self.assertEqual(xm.name(self.p.one(self.main, "page tab list")), "音形义模式")
        self.p.screenshot(self.main, "main-naming.png")

        self.p.toolbar("名字打分")
        labels = xm.wait_for("the name-test tips", lambda: [l for l in self.p.labels(self.main) if l in TEST_TIPS])
        self.assertEqual(labels, TEST_TIPS)
        self.assertNotIn(NAMING_TIPS[0], self.p.labels(self.main))

        self.p.toolbar("趣味测算")
        xm.wait_for("the fun tools", lambda: self.p.find(self.main, "page tab", "爱情缘份预测"))
        self.assertIn("亲，无需填年份和月份哦", self.p.labels(self.main))

        self.p.toolbar("取名首页")
        xm.wait_for("the naming panel", lambda: NAMING_TIPS[0] in self.p.labels(self.main))
        self.assertFalse(self.p.find(self.main, "page tab", "爱情缘份预测"))
        # A naming mode's page carries its explanation.
        xm.click(self.p.one(self.main, "page tab", "综合大师模式"))
        xm.wait_for("the mode's text", lambda: any(l.startswith("*选择理由：一个名字用A算法") for l in self.p.labels(self.main)))
        self.p.screenshot(self.main, "main-naming-mode.png")

    def test_notice_dialog_and_its_link(self):
        self.p.toolbar("必读说明")
        notice = self.p.window("")  # the notice dialog has no title
        self.assertTrue(self.p.find(notice, "label", "点击这里联系我们"))
        self.p.screenshot(notice, "notice-dialog.png")
        page = open_vendor_page(self, lambda: xm.click(self.p.one(notice, "label", "点击这里联系我们")), "联系我们")
        xm.close_window()
        self.p.wait_closed("联系我们")
        self.assertIsNotNone(self.p.find_window(""), "the notice stays open under the page")
        self.p.press(notice, "确定")
        xm.wait_for("the notice to close", lambda: self.p.find_window("") is None)

    def test_purchase_dialog_and_every_link(self):
        self.p.toolbar("购买软件")
        buy = self.p.window("欢迎购买")
        self.p.screenshot(buy, "purchase-dialog.png")
        for opener, title in ((lambda: self.p.press(buy, "点击进入淘宝直营店"), "淘宝网店"),
                              (lambda: xm.click(self.p.one(buy, "label", "点击选择您的支付方式")), "支付方式"),
                              (lambda: xm.click(self.p.one(buy, "label", "点击联系客服")), "联系我们")):
            with self.subTest(page=title):
                open_vendor_page(self, opener, title)
                xm.close_window()
                self.p.wait_closed(title)
                self.assertIsNotNone(self.p.find_window("欢迎购买"))
        xm.key("Return")  # "确定" is the default button
        self.p.wait_closed("欢迎购买")

    def test_share_page(self):
        page = open_vendor_page(self, lambda: self.p.toolbar("分享有礼"), "限时活动")
        self.p.screenshot(page, "vendor-huodong.png")
        xm.close_window()
        self.p.wait_closed("限时活动")

    def test_naming_request_refusals_and_result(self):
        m = self.main
        cases = [
            # Nothing chosen yet: an option once chosen stays chosen.
            (("", None, None, "1990", "5", "17", "18"), "姓不能为空！"),
            (("王", None, None, "1990", "5", "17", "18"), "请选择性别！"),
            (("王", "男", None, "2051", "5", "17", "18"), "年不能为空，且应在1901至2050之间！"),
            (("王", "男", None, "1990", "0", "17", "18"), "月不能为空，且应在1至12之间！"),
            (("王", "男", None, "1990", "5", "32", "18"), "日不能为空，且应在1至31之间！"),
            (("王", "男", None, "1990", "9", "31", "18"), "9月只有30天！"),
            (("王", "男", None, "1999", "2", "29", "18"), "1999年是平年，2月只有28天！"),
            (("王", "男", None, "1996", "2", "30", "18"), "1996年是闰年，2月只有29天！"),
            (("王", "男", None, "1990", "5", "17", "", ), "时不能为空，且应在0至23之间！"),
            (("王", "男", None, "1990", "5", "17", "18"), "您输入的是公历还是农历？请选择！"),
            (("王", "男", "农历", "1990", "3", "30", "18"), "请核对万年历，您输入的农历日期有误！"),
        ]
        for (surname, sex, calendar, year, month, day, hour), message in cases:
            with self.subTest(message=message):
                self.p.fill(m, "姓氏", surname)
                if sex:
                    self.p.choose(m, sex)
                if calendar:
                    self.p.choose(m, calendar)
                for label, text in (("年", year), ("月", month), ("日", day), ("时", hour)):
                    self.p.fill(m, label, text)
                self.p.press(m, "开始取名")
                self.assertEqual(self.p.message(), message)
                self.assertIsNone(self.p.find_window("音形义模式取名"))

        self.p.choose(m, "公历")
        self.p.fill(m, "月", "5")
        self.p.fill(m, "日", "17")
        self.p.press(m, "开始取名")
        self.assertEqual(self.p.message(), "此命五行缺木；日主天干为水；必须有木助，但忌火太多。请您稍后参考此资料取名！")
        result = self.p.window("音形义模式取名")
        self.p.web_loaded(result)
        self.p.screenshot(result, "naming-result.png")
        # A second request while the window is open: still one window, on the new page.
        self.p.activate("姓名测试与取名")
        self.p.fill(m, "时", "8")
        self.p.press(m, "开始取名")
        self.p.message()
        result = self.p.window("音形义模式取名")
        self.p.web_loaded(result)
        self.assertEqual(len([w for w in self.p.windows() if xm.name(w) == "音形义模式取名"]), 1)

    def field_beside(self, window, caption):
        """The text box right of a caption (the fun pages' boxes have no name of their own)."""
        x, y, w, h = xm.extents(self.p.one(window, "label", caption))
        beside = []
        for a in self.p.find(window, "text"):
            ax, ay, aw, ah = xm.extents(a)
            if ax >= x + w - 4 and abs((ay + ah / 2) - (y + h / 2)) < 20:
                beside.append((ax, a))
        assert beside, "no box beside %r" % caption
        return min(beside, key=lambda b: b[0])[1]

    def test_fun_tools(self):
        self.p.toolbar("趣味测算")
        m = self.main
        girl, boy = (self.field_beside(m, "女孩生日"), self.field_beside(m, "男孩生日"))
        xm.click(girl)
        xm.type_text("12")
        xm.click(boy)
        xm.type_text("25")
        self.p.press(m, "开始预测缘份")
        verdict = subprocess.run([CLI, "match", "12", "25"], capture_output=True, text=True,
                                 check=True).stdout.splitlines()[-1]
        xm.wait_for("the verdict " + verdict, lambda: verdict in self.p.labels(m))
        self.p.screenshot(m, "fun-couplematch.png")

        xm.click(self.p.one(m, "page tab", "生男生女预测"))
        self.p.one(m, "push button", "OK，开始预测")
        self.p.screenshot(m, "fun-childsex.png")

        xm.click(self.p.one(m, "page tab", "盛衰曲线"))
        self.p.press(m, "创建曲线表")
        time.sleep(0.5)
        self.p.assert_alive()
        self.p.screenshot(m, "fun-biorhythm.png")

    def test_exit_button_ends_the_program_with_the_report_open(self):
        self.p.toolbar("名字打分")
        fill_name_test(self.p, "李", "明", "男", "公历", "1990", "5", "17", "18")
        self.p.press(self.main, "开始评分")
        self.p.window("评分结果")
        self.p.activate("姓名测试与取名")
        self.p.toolbar("退出登陆")
        self.assertEqual(self.p.wait_exit(), 0)

    def test_closing_by_the_title_bar_leaves_the_report_running(self):
        self.p.toolbar("名字打分")
        fill_name_test(self.p, "李", "明", "男", "公历", "1990", "5", "17", "18")
        self.p.press(self.main, "开始评分")
        self.p.window("评分结果")
        self.p.activate("姓名测试与取名")
        self.p.close_by_title_bar("姓名测试与取名")
        self.p.wait_closed("姓名测试与取名")
        time.sleep(0.5)
        self.p.assert_alive()
        self.assertIsNotNone(self.p.find_window("评分结果"))
        self.p.activate("评分结果")
        self.p.close_by_title_bar("评分结果")
        self.assertEqual(self.p.wait_exit(), 0)
