"""Tests of the zrvreport Python package and of the two example scripts,
on copies of the sample templates in a temporary folder."""

import os
import shutil
import subprocess
import sys
import tempfile
import unittest

import zrvreport

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
TEMPLATES = os.path.join(ROOT, "examples", "templates")
SCRIPTS = os.path.join(ROOT, "examples", "python")


class TemporaryCopies(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="zrvreport-py-")
        self.addCleanup(shutil.rmtree, self.folder)

    def copy(self, name, folder=TEMPLATES):
        target = os.path.join(self.folder, os.path.basename(name))
        shutil.copyfile(os.path.join(folder, name), target)
        return target


class TemplateTests(TemporaryCopies):
    def test_load_change_save_round_trip(self):
        path = self.copy("SolidInjection.csv")
        with zrvreport.Template.load(path, kind="solid", process="injection") as template:
            self.assertEqual(template.load_status, "loaded")
            self.assertEqual(template.project_type_name, "SolidInjection")
            first = template.items[0]
            self.assertEqual(first.key, "ShadedModel")
            self.assertEqual(template.items[-1].key, template.items[len(template.items) - 1].key)
            with self.assertRaises(IndexError):
                template.items[len(template.items)]
            first.output = 2
            first.face_number = 7
            views = template.libraries["view"]
            views["From_Python"] = {"AngleX": 10, "AngleY": 20, "AngleZ": 30, "Scale": 2.5}
            first.view = "From_Python"
            self.assertTrue(views.is_used("From_Python"))
            del views["Side"]
            template.libraries["melt"]["Halves"] = [50, 100]
            template.save()
        with zrvreport.Template.load(path) as again:
            self.assertEqual((again.items[0].output, again.items[0].face_number), (2, 7))
            self.assertEqual(again.items[0].view, "From_Python")
            self.assertEqual(again.libraries["view"]["From_Python"]["Scale"], 2.5)
            self.assertNotIn("Side", again.libraries["view"])
            self.assertEqual(again.libraries["melt"]["Halves"], [50.0, 100.0])

    def test_errors_carry_status_and_message(self):
        with self.assertRaises(zrvreport.ZrvError) as caught:
            zrvreport.Template.load(os.path.join(self.folder, "absent.csv"))
        self.assertEqual(caught.exception.name, "ZRV_E_LOAD_FAILED")
        self.assertIn("absent.csv", caught.exception.message)
        with zrvreport.Template.load(self.copy("SolidInjection.csv")) as template:
            with self.assertRaises(zrvreport.ZrvError) as caught:
                template.save(os.path.join(self.folder, "no", "such", "folder.csv"))
            self.assertEqual(caught.exception.status, 10)
            with self.assertRaises(zrvreport.ZrvError) as caught:
                template.items[0].item_id = 5
            self.assertEqual(caught.exception.name, "ZRV_E_NOT_SUPPORTED")
            with self.assertRaises(KeyError):
                template.libraries["clipping"]["Nope"]
            with self.assertRaises(ValueError):
                template.libraries["view"]["Bad"] = {"AngleX": 1}
            with self.assertRaises(zrvreport.ZrvError):
                template.libraries["view"]["x" * 256] = {"AngleX": 0, "AngleY": 0, "AngleZ": 0,
                                                        "Scale": 1}
            self.assertNotIn("Bad", template.libraries["view"])
        with self.assertRaises(ValueError):
            zrvreport.Template.load("x.csv", process="moulding")

    def test_check_and_catalogue(self):
        result = zrvreport.check(self.copy("UnknownItemKey.csv", os.path.join(TEMPLATES, "broken")))
        self.assertEqual(result.status, "loaded_with_findings")
        self.assertEqual([f.code for f in result.errors], ["unknown-key"] * 4)
        self.assertEqual(result.errors[0].text, "Meltfronttime")
        self.assertEqual(result.errors[0].section, "[FlowResult]")
        clean = zrvreport.check(self.copy("ShellRIM.csv"))
        self.assertTrue(clean.loaded)
        self.assertEqual(clean.problems, [])
        self.assertEqual(zrvreport.check(os.path.join(self.folder, "absent.csv")).status,
                         "file_missing")
        sections = zrvreport.catalogue("solid", "injection")
        self.assertIn(("MeltFrontTime", dict(sections["[FlowResult]"])["MeltFrontTime"]),
                      sections["[FlowResult]"])
        ids = [item_id for _, item_id in sections["[FlowResult]"]]
        self.assertEqual(ids, sorted(ids))
        with self.assertRaises(zrvreport.ZrvError):
            zrvreport.catalogue("shell", "faim")

    def test_folders(self):
        source = os.path.join(self.folder, "source", "ReportSetting")
        os.makedirs(source)
        shutil.copyfile(os.path.join(TEMPLATES, "SolidICM.csv"), os.path.join(source, "SolidICM.csv"))
        target = os.path.join(self.folder, "target")
        with self.assertRaises(zrvreport.ZrvError) as raised:  # only the last level is created
            zrvreport.install_templates(os.path.dirname(source), os.path.join(target, "deeper"))
        self.assertTrue(raised.exception.message.startswith("[ReportSetting] create folder fail "))
        os.makedirs(target)
        self.assertEqual(zrvreport.install_templates(os.path.dirname(source), target), [])
        results = zrvreport.check_folder(os.path.join(target, "ReportSetting"))
        self.assertEqual(list(results), ["SolidICM.csv"])
        self.assertTrue(results["SolidICM.csv"].loaded)


class ExampleScriptTests(TemporaryCopies):
    def run_script(self, name, *args):
        return subprocess.run([sys.executable, os.path.join(SCRIPTS, name)] + list(args),
                              capture_output=True, text=True, env=os.environ.copy())

    def test_check_templates_exit_status(self):
        for name in ("SolidInjection.csv", "ShellGasIn.csv"):
            self.copy(name)
        clean = self.run_script("check_templates.py", self.folder)
        self.assertEqual(clean.returncode, 0, clean.stdout + clean.stderr)
        self.assertIn("2 templates checked, 0 with problems", clean.stdout)
        os.makedirs(os.path.join(self.folder, "nested"))
        shutil.copyfile(os.path.join(TEMPLATES, "broken", "MissingEnd.csv"),
                        os.path.join(self.folder, "nested", "MissingEnd.csv"))
        lenient = self.run_script("check_templates.py", self.folder)
        self.assertEqual(lenient.returncode, 0)
        strict = self.run_script("check_templates.py", self.folder, "--warnings-fail")
        self.assertEqual(strict.returncode, 1)
        self.assertIn("[end-missing]", strict.stdout)

    def test_change_setting_saves_only_changed_templates(self):
        names = ["SolidInjection.csv", "ShellInjection.csv", "SolidICM.csv"]
        paths = [self.copy(name) for name in names]
        holders = []
        before = {path: open(path, "rb").read() for path in paths}
        for path in paths:
            if b"\nIso_Front," in before[path]:
                holders.append(path)
        self.assertTrue(holders)
        done = self.run_script("change_setting.py", self.folder, "view", "Iso_Front", "Scale=1.75")
        self.assertEqual(done.returncode, 0, done.stdout + done.stderr)
        self.assertIn("%d templates changed" % len(holders), done.stdout)
        for path in paths:
            after = open(path, "rb").read()
            self.assertEqual(after != before[path], path in holders, path)
        with zrvreport.Template.load(holders[0], kind="solid" if "Solid" in holders[0] else "shell",
                                     process="icm" if "ICM" in holders[0] else "injection") as t:
            self.assertEqual(t.libraries["view"]["Iso_Front"]["Scale"], 1.75)
        again = self.run_script("change_setting.py", self.folder, "view", "Iso_Front", "Scale=1.75")
        self.assertIn("0 templates changed", again.stdout)


if __name__ == "__main__":
    unittest.main()
