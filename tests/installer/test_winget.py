"""The release's winget manifests keep the rules of winget's manifest schema
1.6.0 (required fields, types, lengths, patterns, values, no other field),
hold together as one multi-file manifest in winget-pkgs' layout, and describe
the package: its digest, product code, version, publisher and licence.
   test_winget.py RELEASE_DIR VERSION"""
import hashlib
import os
import re
import subprocess
import sys

import yaml

release, version = sys.argv[1:]
faults = []


def text(lo=1, hi=10000, pattern=None, values=None):
    def check(value):
        if not isinstance(value, str):
            return f"{value!r} is not a string"
        if not lo <= len(value) <= hi:
            return f"length {len(value)}, not {lo} to {hi}"
        if pattern and not re.search(pattern, value):
            return f"{value!r} does not match {pattern}"
        if values and value not in values:
            return f"{value!r} is none of {values}"
    return check


def array(item, hi):
    def check(value):
        if not isinstance(value, list) or not 1 <= len(value) <= hi or len(set(map(str, value))) < len(value):
            return f"{value!r} is not a list of 1 to {hi} different items"
        return next(filter(None, map(item, value)), None)
    return check


def mapping(rules, required, where):
    def check(value):
        if not isinstance(value, dict):
            return f"{value!r} is not a mapping"
        for key in sorted(set(required) - set(value)):
            faults.append(f"{where}: no {key}")
        for key, item in value.items():
            fault = rules[key](item) if key in rules else "not a field of the schema"
            if fault:
                faults.append(f"{where}: {key}: {fault}")
    return check


number = r"(0|[1-9][0-9]{0,3}|[1-5][0-9]{4}|6[0-4][0-9]{3}|65[0-4][0-9]{2}|655[0-2][0-9]|6553[0-5])"
name_part = r'[^\.\s\\/:\*\?"<>\|\x01-\x1f]{1,32}'
url = text(hi=2048, pattern=r"^([Hh][Tt][Tt][Pp][Ss]?)://.+$")
locale = text(hi=20, pattern=r"^([a-zA-Z]{2,3}|[iI]-[a-zA-Z]+|[xX]-[a-zA-Z]{1,8})(-[a-zA-Z]{1,8})*$")
common = {
    "PackageIdentifier": text(hi=128, pattern=rf"^{name_part}(\.{name_part}){{1,7}}$"),
    "PackageVersion": text(hi=128, pattern=r'^[^\\/:\*\?"<>\|\x01-\x1f]+$'),
    "ManifestVersion": text(pattern=rf"^{number}(\.{number}){{2}}$"),
}
installer = {
    "Architecture": text(values=["x86", "x64", "arm", "arm64", "neutral"]),
    "InstallerUrl": url,
    "InstallerSha256": text(pattern=r"^[A-Fa-f0-9]{64}$"),
}
kinds = {
    "version": ({"DefaultLocale": locale}, ["DefaultLocale"]),
    "installer": ({
        "InstallerLocale": locale,
        "MinimumOSVersion": text(pattern=rf"^{number}(\.{number}){{0,3}}$"),
        "InstallerType": text(values=["msix", "msi", "appx", "exe", "zip", "inno", "nullsoft", "wix",
                                      "burn", "pwa", "portable"]),
        "Scope": text(values=["user", "machine"]),
        "InstallModes": array(text(values=["interactive", "silent", "silentWithProgress"]), 3),
        "UpgradeBehavior": text(values=["install", "uninstallPrevious"]),
        "ProductCode": text(hi=255),
        "ReleaseDate": text(pattern=r"^\d{4}-\d{2}-\d{2}$"),
        "Installers": array(mapping(installer, list(installer), "Installers"), 1024),
    }, ["Installers"]),
    "defaultLocale": ({
        "PackageLocale": locale,
        "Publisher": text(2, 256), "PublisherUrl": url, "Author": text(2, 256),
        "PackageName": text(2, 256), "PackageUrl": url, "License": text(3, 512),
        "Copyright": text(3, 512), "ShortDescription": text(3, 256), "Moniker": text(hi=40),
        "Tags": array(text(hi=40), 16),
    }, ["PackageLocale", "Publisher", "PackageName", "License", "ShortDescription"]),
}

identifier = "Ilvorande.Ilvorande"
folder = os.path.join(release, "winget", "manifests", "i", "Ilvorande", "Ilvorande", version)
names = {"version": f"{identifier}.yaml", "installer": f"{identifier}.installer.yaml",
         "defaultLocale": f"{identifier}.locale.fr-FR.yaml"}
root = os.path.join(release, "winget")
found = sorted(os.path.relpath(os.path.join(d, f), root) for d, _, files in os.walk(root) for f in files)
expected = sorted(os.path.relpath(os.path.join(folder, name), root) for name in names.values())
if found != expected:
    faults.append(f"files {found}, not {expected}")

manifests = {}
for kind, name in names.items():
    path = os.path.join(folder, name)
    if os.path.exists(path):
        manifests[kind] = yaml.safe_load(open(path, encoding="utf-8"))
        rules, required = kinds[kind]
        rules = {**common, "ManifestType": text(values=[kind]), **rules}
        mapping(rules, [*common, "ManifestType", *required], name)(manifests[kind])

package = os.path.join(release, f"Ilvorande-{version}-win64.msi")
properties = subprocess.run(["msiinfo", "export", package, "Property"], capture_output=True, text=True,
                            check=True).stdout
statement = "Aucun droit particulier n'est réservé : ce programme peut circuler librement et gratuitement !"
wanted = {
    "version": {"PackageIdentifier": identifier, "PackageVersion": version, "DefaultLocale": "fr-FR",
                "ManifestVersion": "1.6.0"},
    "installer": {"PackageIdentifier": identifier, "PackageVersion": version, "Scope": "user",
                  "InstallerType": "msi", "ManifestVersion": "1.6.0",
                  "ProductCode": re.search(r"^ProductCode\t(\S+)", properties, re.M)[1]},
    "defaultLocale": {"PackageIdentifier": identifier, "PackageVersion": version, "PackageLocale": "fr-FR",
                      "Publisher": "L'équipe Ilvorande", "License": statement, "ManifestVersion": "1.6.0",
                      "ShortDescription": "Change la résolution de l'écran en un clic."},
}
for kind, fields in wanted.items():
    for key, value in fields.items():
        if manifests.get(kind, {}).get(key) != value:
            faults.append(f"{names[kind]}: {key} is {manifests.get(kind, {}).get(key)!r}, not {value!r}")
digest = hashlib.sha256(open(package, "rb").read()).hexdigest()
installers = manifests.get("installer", {}).get("Installers") or [{}]
if str(installers[0].get("InstallerSha256")).lower() != digest:
    faults.append(f"InstallerSha256 is not the package's {digest}")
if not str(installers[0].get("InstallerUrl")).endswith(f"/Ilvorande-{version}-win64.msi"):
    faults.append("InstallerUrl does not name the package")

print("\n".join(faults) or f"winget manifests of {identifier} {version}: all rules kept")
sys.exit(1 if faults else 0)
