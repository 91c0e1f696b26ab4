"""The release's winget manifests keep the rules of winget's manifest schema
1.6.0 (required fields, lengths, patterns, allowed values, no other field),
make one multi-file manifest in winget-pkgs' layout, and describe the package:
its digest, product code, version, publisher and licence.
   test_winget.py RELEASE_DIR VERSION"""
import hashlib
import os
import re
import subprocess
import sys

import yaml

release, version = sys.argv[1:]


def check(where, value, rule):
    """A rule is a mapping of the fields' rules with those "required", a list
    [item's rule, most items, fewest], or a string's (regex or set of values,
    shortest, longest)."""
    if isinstance(rule, dict):
        if not isinstance(value, dict):
            return [f"{where}: not a mapping"]
        faults = [f"{where}: no {key}" for key in rule["required"] if key not in value]
        for key, item in value.items():
            known = key in rule and key != "required"
            faults += check(f"{where}: {key}", item, rule[key]) if known else [f"{where}: no field {key}"]
        return faults
    if isinstance(rule, list):
        fewest = rule[2] if len(rule) > 2 else 0
        if not isinstance(value, list) or not fewest <= len(value) <= rule[1] or \
                len(set(map(str, value))) < len(value):
            return [f"{where}: not {fewest} to {rule[1]} different items"]
        return [fault for item in value for fault in check(where, item, rule[0])]
    allowed, shortest, longest = (*rule, 1, 10000)[:3]
    if not isinstance(value, str) or not shortest <= len(value) <= longest:
        return [f"{where}: {value!r} is not a text of {shortest} to {longest} characters"]
    if value in allowed if isinstance(allowed, set) else re.search(allowed, value):
        return []
    return [f"{where}: {value!r} does not match {allowed}"]


number = r"(0|[1-9][0-9]{0,3}|[1-5][0-9]{4}|6[0-4][0-9]{3}|65[0-4][0-9]{2}|655[0-2][0-9]|6553[0-5])"
part = r'[^\.\s\\/:\*\?"<>\|\x01-\x1f]{1,32}'
url = (r"^([Hh][Tt][Tt][Pp][Ss]?)://.+$", 1, 2048)
locale = (r"^([a-zA-Z]{2,3}|[iI]-[a-zA-Z]+|[xX]-[a-zA-Z]{1,8})(-[a-zA-Z]{1,8})*$", 1, 20)
common = {"PackageIdentifier": (rf"^{part}(\.{part}){{1,7}}$", 1, 128),
          "PackageVersion": (r'^[^\\/:\*\?"<>\|\x01-\x1f]+$', 1, 128),
          "ManifestVersion": (rf"^{number}(\.{number}){{2}}$",)}
rules = {
    "version": {"DefaultLocale": locale, "required": ["DefaultLocale"]},
    "installer": {
        "InstallerLocale": locale, "MinimumOSVersion": (rf"^{number}(\.{number}){{0,3}}$",),
        "InstallerType": ({"msix", "msi", "appx", "exe", "zip", "inno", "nullsoft", "wix", "burn", "pwa",
                           "portable"},),
        "Scope": ({"user", "machine"},), "UpgradeBehavior": ({"install", "uninstallPrevious"},),
        "InstallModes": [({"interactive", "silent", "silentWithProgress"},), 3],
        "ProductCode": (r"", 1, 255), "ReleaseDate": (r"^\d{4}-\d{2}-\d{2}$",),
        "Installers": [{"Architecture": ({"x86", "x64", "arm", "arm64", "neutral"},),
                        "InstallerUrl": url, "InstallerSha256": (r"^[A-Fa-f0-9]{64}$",),
                        "required": ["Architecture", "InstallerUrl", "InstallerSha256"]}, 1024, 1],
        "required": ["Installers"]},
    "defaultLocale": {
        "PackageLocale": locale, "Publisher": (r"", 2, 256), "PublisherUrl": url, "Author": (r"", 2, 256),
        "PackageName": (r"", 2, 256), "PackageUrl": url, "License": (r"", 3, 512), "Copyright": (r"", 3, 512),
        "ShortDescription": (r"", 3, 256), "Moniker": (r"", 1, 40), "Tags": [(r"", 1, 40), 16],
        "required": ["PackageLocale", "Publisher", "PackageName", "License", "ShortDescription"]},
}

package = os.path.join(release, f"Ilvorande-{version}-win64.msi")
properties = subprocess.run(["msiinfo", "export", package, "Property"], capture_output=True, text=True).stdout
same = {"PackageIdentifier": "Ilvorande.Ilvorande", "PackageVersion": version, "ManifestVersion": "1.6.0"}
wanted = {
    "version": {"DefaultLocale": "fr-FR"},
    "installer": {"Scope": "user", "InstallerType": "msi",
                  "ProductCode": re.search(r"^ProductCode\t(\S+)", properties, re.M)[1]},
    "defaultLocale": {"PackageLocale": "fr-FR", "Publisher": "L'équipe Ilvorande",
                      "ShortDescription": "Change la résolution de l'écran en un clic.",
                      "License": "Aucun droit particulier n'est réservé : ce programme peut circuler "
                                 "librement et gratuitement !"}}
names = {"version": "", "installer": ".installer", "defaultLocale": ".locale.fr-FR"}
root = os.path.join(release, "winget")
folder = os.path.join("manifests", "i", "Ilvorande", "Ilvorande", version)
found = sorted(os.path.relpath(os.path.join(d, f), root) for d, _, files in os.walk(root) for f in files)
expected = sorted(os.path.join(folder, f"Ilvorande.Ilvorande{suffix}.yaml") for suffix in names.values())
faults = [] if found == expected else [f"files {found}, not {expected}"]
manifests = {}
for kind, suffix in names.items():
    path = os.path.join(root, folder, f"Ilvorande.Ilvorande{suffix}.yaml")
    manifests[kind] = yaml.safe_load(open(path, encoding="utf-8")) if os.path.exists(path) else {}
    rule = {**rules[kind], **common, "ManifestType": ({kind},)}
    rule["required"] = [*rule["required"], *common, "ManifestType"]
    faults += check(kind, manifests[kind], rule)
    faults += [f"{kind}: {key} is not {value!r}" for key, value in {**same, **wanted[kind]}.items()
               if manifests[kind].get(key) != value]
installer = (manifests["installer"].get("Installers") or [{}])[0]
if str(installer.get("InstallerSha256")).lower() != hashlib.sha256(open(package, "rb").read()).hexdigest():
    faults.append("installer: InstallerSha256 is not the package's digest")
if not str(installer.get("InstallerUrl")).endswith(f"/Ilvorande-{version}-win64.msi"):
    faults.append("installer: InstallerUrl does not name the package")
print("\n".join(faults) or f"winget manifests of Ilvorande {version}: all rules kept")
sys.exit(1 if faults else 0)
