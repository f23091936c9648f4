"""A damaged picture in the page's packed files: the page shows the game's refusal naming the
file and why, and says the game could not go on (status 1)."""
import json
import os
import re
import shutil
import tempfile

from page import Page, fail

FILE = '/images/rykeHi_1.pcx'

work = tempfile.mkdtemp(prefix='ryke-web-refused.')
folder = os.path.join(work, 'page')
shutil.copytree(os.environ.get('RYKE_WEB_PAGE', ''), folder)
with open(os.path.join(folder, 'ryke.js')) as script:
    packed = re.search(r'\{"filename":"%s","start":(\d+),"end":\d+' % re.escape(FILE), script.read())
if not packed:
    fail('%s is not among the packed files of ryke.js' % FILE)
# A PCX picture starts with the byte 10.
with open(os.path.join(folder, 'ryke.data'), 'r+b') as data:
    data.seek(int(packed.group(1)))
    data.write(b'\0')

with Page(folder) as page:
    page.driver.get(page.url)
    page.wait_for('the game ending', 'return Module.rykeEnded !== undefined')
    status = page.js('return Module.rykeEnded')
    box = page.js("return document.getElementById('message').hidden ? '' : document.getElementById('message-text').textContent")
    ended = page.js("return document.getElementById('ended-text').textContent")
    notes = page.notes()
expected = '  images/rykeHi_1.pcx: not a PCX picture\n'
if status != 1:
    fail('the game ended with %s, not 1' % json.dumps(status))
if expected not in box:
    fail("the page's message box does not say %r:\n%s" % (expected, box))
if box.count('images/') + box.count('sound/') != 1:
    fail('the box names other files too:\n' + box)
if expected not in notes:
    fail("the game's error stream on the page does not say %r:\n%s" % (expected, notes))
if 'status 1' not in ended:
    fail("the page's end says '%s'" % ended)
shutil.rmtree(work)
print('PASS: the damaged picture refused on the page: ' + expected.strip())
