"""The release's winget manifests, in winget-pkgs' layout, are these (each
kept to winget's 1.6.0 schema) and describe the package: its digest and
product code.
   test_winget.py RELEASE_DIR VERSION"""
import hashlib
import os
import re
import subprocess
import sys

import yaml

release, version = sys.argv[1:]
package = os.path.join(release, f"Ilvorande-{version}-win64.msi")
properties = subprocess.run(["msiinfo", "export", package, "Property"], capture_output=True, text=True).stdout
same = {"PackageIdentifier": "Ilvorande.Ilvorande", "PackageVersion": version}
url, team = "http://ilvorande.example", "L'équipe Ilvorande"
expected = {
    "": {**same, "DefaultLocale": "fr-FR", "ManifestType": "version"},
    ".installer": {
        **same, "InstallerLocale": "fr-FR", "MinimumOSVersion": "10.0.0.0", "InstallerType": "msi",
        "Scope": "user", "InstallModes": ["interactive", "silent", "silentWithProgress"],
        "UpgradeBehavior": "install", "ProductCode": re.search(r"^ProductCode\t(\S+)", properties, re.M)[1],
        "ReleaseDate": "(a date)",
        "Installers": [{"Architecture": "x64", "InstallerUrl": f"https://ilvorande.example/Ilvorande-{version}-win64.msi",
                        "InstallerSha256": hashlib.sha256(open(package, "rb").read()).hexdigest().upper()}],
        "ManifestType": "installer"},
    ".locale.fr-FR": {
        **same, "PackageLocale": "fr-FR", "Publisher": team, "PublisherUrl": url, "Author": team,
        "PackageName": "Ilvorande", "PackageUrl": url,
        "License": "Aucun droit particulier n'est réservé : ce programme peut circuler librement et gratuitement !",
        "Copyright": "Libre de droits", "ShortDescription": "Change la résolution de l'écran en un clic.",
        "Moniker": "ilvorande", "Tags": ["affichage", "ecran", "resolution"], "ManifestType": "defaultLocale"},
}
root = os.path.join(release, "winget")
folder = os.path.join("manifests", "i", "Ilvorande", "Ilvorande", version)
found = sorted(os.path.relpath(os.path.join(d, f), root) for d, _, files in os.walk(root) for f in files)
names = sorted(os.path.join(folder, f"Ilvorande.Ilvorande{suffix}.yaml") for suffix in expected)
faults = [] if found == names else [f"files {found}, not {names}"]
for suffix, wanted in expected.items():
    path = os.path.join(root, folder, f"Ilvorande.Ilvorande{suffix}.yaml")
    manifest = yaml.safe_load(open(path, encoding="utf-8")) if os.path.exists(path) else {}
    if re.fullmatch(r"\d{4}-\d{2}-\d{2}", str(manifest.get("ReleaseDate"))):
        manifest["ReleaseDate"] = "(a date)"
    wanted = {**wanted, "ManifestVersion": "1.6.0"}
    faults += [f"{suffix or 'version'}: {key} is {manifest.get(key)!r}, not {wanted.get(key)!r}"
               for key in sorted({*wanted, *manifest}) if manifest.get(key) != wanted.get(key)]
print("\n".join(faults) or f"winget manifests of Ilvorande {version}: as expected")
sys.exit(1 if faults else 0)
