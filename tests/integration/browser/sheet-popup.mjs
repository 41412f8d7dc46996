// Opens the examination sheet of the sample protocol in Debian's Chromium, as the workstation
// opens it for the examiner, and checks what the examiner sees: the pop-up of a present sign
// beside the mouse with its title and help lines, and the accented letters of the page.
//
//   node sheet-popup.mjs QUELVARIN_CLI SAMPLE.qvl ARTIFACT_DIR
import { chromium } from 'playwright-core';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, mkdirSync, writeFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import assert from 'node:assert/strict';

const [cli, sample, artifacts] = process.argv.slice(2);
if (!cli || !sample || !artifacts) {
  console.error('usage: node sheet-popup.mjs QUELVARIN_CLI SAMPLE.qvl ARTIFACT_DIR');
  process.exit(2);
}

// The help files are Windows-1250; these are the letters the fixture uses.
const cp1250 = { 'á': 0xe1, 'é': 0xe9, 'í': 0xed, 'ó': 0xf3, 'ö': 0xf6, 'ő': 0xf5, 'ú': 0xfa, 'ü': 0xfc, 'ű': 0xfb };
function encode(text) {
  return Buffer.from([...text].map((c) => cp1250[c] ?? c.charCodeAt(0)));
}
function helpFile(entries) {
  const lines = [];
  for (let code = 0; code < 498; ++code) {
    lines.push((entries[code] ?? []).map((line) => line + '*').join(''));
  }
  return encode(lines.map((line) => line + '\r\n').join(''));
}

// A help text with everything that could break the page: apostrophes, quotes, markup, ampersands.
const scoringTitle = 'G - egész válasz';
const scoringLines = ["Az egész foltra adott válasz: it's the whole", 'jelölés "idézőjellel" és <b>jelekkel</b> & társaival'];
const work = mkdtempSync(join(tmpdir(), 'quelvarin-browser-'));
const root = join(work, 'quelva');
mkdirSync(root, { recursive: true });
writeFileSync(join(root, 'jelol.dbf'), helpFile({ 400: [scoringTitle, ...scoringLines] }));
writeFileSync(join(root, 'ert.dbf'), helpFile({ 400: ['G értelmezése', 'áttekintő képesség'] }));
const sheet = join(work, 'aktualis.html');
execFileSync(cli, ['--root', root, 'sheet', sample, '-o', sheet]);

mkdirSync(artifacts, { recursive: true });
const context = await chromium.launchPersistentContext(join(work, 'profile'), {
  executablePath: '/usr/bin/chromium',
  headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
         '--disable-sync', '--no-first-run', '--disable-quic'],
  viewport: { width: 1100, height: 900 },
});
let failed = false;
try {
  const page = context.pages()[0] ?? await context.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  await page.goto('file://' + sheet);

  // The letters of the personal data (entities) and of the fixed texts (raw Windows-1250 bytes).
  const personal = await page.locator('table').first().innerText();
  for (const expected of ['Név: Minta Márta', 'Foglalkozása: könyvelő', 'Osztály: Pszichiátriai Ambulancia',
                          'Neme: nő', 'Vizsg. Vez.: Dr. Példa Péter', 'Klin. kérdések: Szorongás mértéke?']) {
    assert.ok(personal.includes(expected), `the personal data show "${expected}": ${personal}`);
  }
  assert.ok((await page.locator('body').innerText()).includes('a felfogásmód jelei'));

  // Hovering the name of a present sign shows its scoring help beside the mouse.
  const popup = page.locator('#topdeck');
  assert.equal(await popup.evaluate((e) => getComputedStyle(e).visibility), 'hidden');
  const sign = page.locator('a', { hasText: /^G$/ }).first();
  const box = await sign.boundingBox();
  const x = Math.round(box.x + box.width / 2), y = Math.round(box.y + box.height / 2);
  await page.mouse.move(x, y);
  await page.waitForFunction(() => getComputedStyle(document.getElementById('topdeck')).visibility === 'visible',
                             null, { timeout: 5000 });
  const shown = await popup.innerText();
  assert.ok(shown.includes(scoringTitle + ' jelölése'), `the pop-up carries the title: ${shown}`);
  assert.ok(shown.includes("Az egész foltra adott válasz: it's the whole"), `an apostrophe shows as typed: ${shown}`);
  assert.ok(shown.includes('jelölés \u2033idézőjellel\u2033 és <b>jelekkel</b> & társaival'),
            `quotes, markup and ampersands show as text: ${shown}`);
  assert.equal(await popup.locator('b', { hasText: 'jelekkel' }).count(), 0, 'no markup from a help text');
  const placed = await popup.boundingBox();
  assert.ok(Math.abs(placed.x - x) <= 3 && Math.abs(placed.y - (y + 20)) <= 3,
            `the pop-up opens 20 pixels below the mouse: ${JSON.stringify(placed)} for ${x},${y}`);
  await page.screenshot({ path: join(artifacts, 'sheet-popup.png') });

  // Leaving the sign hides it again.
  await page.mouse.move(5, 5);
  await page.waitForFunction(() => getComputedStyle(document.getElementById('topdeck')).visibility === 'hidden',
                             null, { timeout: 5000 });
  assert.deepEqual(errors, [], 'the page runs without script errors');
  console.log('the sheet shows its pop-ups and letters; screenshot: ' + join(artifacts, 'sheet-popup.png'));
} catch (error) {
  failed = true;
  console.error(error);
} finally {
  await context.close();
  rmSync(work, { recursive: true, force: true });
}
process.exit(failed ? 1 : 0);
