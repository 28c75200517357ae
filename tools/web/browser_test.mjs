// The browser version against the native program: build-web/ served on 127.0.0.1 and played in headless
// Chromium with an input script from the menu into a game; the shots and state dumps of chosen frames must
// match those of the native headless run of the same script and seed (pictures within a few colour levels,
// states identical). Also reports the browser's frame rate with no frame cap.
// Usage: node browser_test.mjs BUILD_WEB NATIVE_BINARY SOURCE_DIR WORK_DIR [SCREENSHOT.png]
import { spawnSync } from "node:child_process";
import fs from "node:fs";
import http from "node:http";
import path from "node:path";
import { createRequire } from "node:module";
import { decodePng } from "./png.mjs";

const [webDir, nativeBinary, sourceDir, workDir, screenshotFile] = process.argv.slice(2).map((a) => path.resolve(a));
const require = createRequire(path.join(process.env.DH_NODE_MODULES, "x.js"));
const puppeteer = require("puppeteer-core");

const seed = 11;
const lastFrame = 160;
const checkedFrames = [3, 40, 70, 160];  // the menu, the team screen, the game screen, after a walk
const tolerance = 4;                 // colour levels a pixel may differ by (rounding of the two renderers)

// From the menu through the team screen (two candidates taken) into the game, a member selected and sent
// somewhere; every frame 0.05 s so that both runs see the same frame times.
function inputScript() {
  const events = [
    "1 down SPACE", "2 up SPACE", "3 mouse 400 360", "3 down LBUTTON", "4 up LBUTTON",
    "6 mouse 504 552", "6 down LBUTTON", "7 up LBUTTON", "19 mouse 430 132", "19 down LBUTTON",
    "20 up LBUTTON", "34 mouse 504 552", "34 down LBUTTON", "35 up LBUTTON", "47 mouse 430 324",
    "47 down LBUTTON", "48 up LBUTTON", "62 mouse 696 552", "62 down LBUTTON", "63 up LBUTTON",
    "64 mouse 400 300", "67 down 1", "68 up 1", "85 mouse 252 343", "87 down LBUTTON", "88 up LBUTTON",
    "120 mouse 600 200", "121 down RBUTTON", "122 up RBUTTON",
  ];
  const lines = [];
  for (let frame = 1; frame <= lastFrame; ++frame) {
    lines.push(`${frame} dt 0.05`);
    for (const e of events) if (Number(e.split(" ")[0]) === frame) lines.push(e);
  }
  return lines.join("\n") + "\n";
}

function fail(message) {
  console.error(`browser test: ${message}`);
  process.exit(1);
}

// The native headless run on a data folder of links (the program writes its log beside its data).
function runNative(script) {
  const data = path.join(workDir, "data");
  fs.rmSync(data, { recursive: true, force: true });
  fs.mkdirSync(path.join(data, "Data"), { recursive: true });
  for (const name of fs.readdirSync(path.join(sourceDir, "Data"))) {
    if (name !== "dh.log") fs.symlinkSync(path.join(sourceDir, "Data", name), path.join(data, "Data", name));
  }
  fs.symlinkSync(path.join(sourceDir, "Sound"), path.join(data, "Sound"));
  const out = path.join(workDir, "native");
  fs.rmSync(out, { recursive: true, force: true });
  fs.mkdirSync(out);
  fs.writeFileSync(path.join(workDir, "input.txt"), script);
  const args = ["--headless", "--seed", String(seed), "--input", path.join(workDir, "input.txt"),
                "--frames", String(lastFrame), "--data", data, "--save-dir", path.join(workDir, "saves"),
                "--scale", "1"];  // the page always runs at scale 1 and scales its canvas itself
  for (const f of checkedFrames) args.push("--shot", `${f}:${out}/shot${f}.png`, "--dump", `${f}:${out}/dump${f}.json`);
  const run = spawnSync(nativeBinary, args, { encoding: "utf8" });
  if (run.status !== 0) fail(`the native run failed (${run.status}): ${run.stderr}`);
  const files = {};
  for (const name of fs.readdirSync(out)) files[name] = fs.readFileSync(path.join(out, name));
  return files;
}

// Serves the build on 127.0.0.1 at a free port.
function serve() {
  const types = { ".html": "text/html; charset=utf-8", ".js": "text/javascript", ".wasm": "application/wasm",
                  ".data": "application/octet-stream" };
  const server = http.createServer((request, response) => {
    const name = path.basename(new URL(request.url, "http://127.0.0.1").pathname) || "index.html";
    const file = path.join(webDir, name);
    if (!fs.existsSync(file)) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { "Content-Type": types[path.extname(name)] || "application/octet-stream" });
    fs.createReadStream(file).pipe(response);
  });
  return new Promise((resolve) => server.listen(0, "127.0.0.1", () => resolve(server)));
}

// Loads the page with the given options and waits for the game to end; returns the page (still open).
async function play(browser, port, query, logs) {
  const page = await browser.newPage();
  await page.setViewport({ width: 820, height: 660 });
  page.on("console", (m) => logs.push(m.text()));
  page.on("pageerror", (e) => logs.push(`page error: ${e.message}`));
  await page.goto(`http://127.0.0.1:${port}/index.html?${query}`);
  await page.waitForFunction(() => window.gameExit !== undefined, { timeout: 120000, polling: 100 });
  return page;
}

// How many pixels of two 800 x 600 pictures differ by more than `tolerance` in a colour, and the most.
function compareShots(a, b) {
  if (a.width !== b.width || a.height !== b.height) return { size: true };
  let over = 0;
  let most = 0;
  for (let i = 0; i < a.width * a.height; ++i) {
    for (let c = 0; c < 3; ++c) {
      const d = Math.abs(a.rgb[3 * i + c] - b.rgb[3 * i + c]);
      most = Math.max(most, d);
      if (d > tolerance) {
        ++over;
        break;
      }
    }
  }
  return { over, most };
}

const script = inputScript();
const native = runNative(script);
const server = await serve();
const port = server.address().port;
const browser = await puppeteer.launch({
  executablePath: process.env.DH_CHROMIUM || "/usr/bin/chromium",
  headless: true,
  args: ["--no-sandbox", "--enable-unsafe-swiftshader", "--use-angle=swiftshader", "--mute-audio"],
});
let failed = false;
try {
  const logs = [];
  const outputs = checkedFrames.map((f) => `--shot ${f}:/out/shot${f}.png --dump ${f}:/out/dump${f}.json`);
  // Both runs keep their saved game in a folder of their own, so both save as a player's game does.
  const query = new URLSearchParams({ args: `--seed ${seed} --frames ${lastFrame} --save-dir /saves ${outputs.join(" ")}`,
                                      input: script });
  const page = await play(browser, port, query.toString(), logs);
  const exit = await page.evaluate(() => window.gameExit);
  const line = await page.evaluate(() => document.getElementById("status").textContent);
  if (exit !== 0) fail(`the game ended with ${exit}\n${logs.join("\n")}`);
  // The sound device opens (SDL's audio on the page's audio context) and nothing is reported as an error.
  const complaints = logs.filter((l) => /No sound|Error|Cannot|No picture/.test(l));
  if (complaints.length > 0) fail(`the page reported:\n${complaints.join("\n")}`);
  if (line !== "Игра окончена — обновите страницу, чтобы сыграть снова") fail(`status line "${line}"`);
  const files = await page.evaluate(() => window.gameFiles());
  for (const f of checkedFrames) {
    const shotName = `shot${f}.png`;
    const dumpName = `dump${f}.json`;
    if (!files[shotName] || !files[dumpName]) fail(`the page wrote no ${shotName} or ${dumpName}\n${logs.join("\n")}`);
    const webDump = JSON.parse(Buffer.from(files[dumpName]).toString("utf8"));
    const nativeDump = JSON.parse(native[dumpName].toString("utf8"));
    if (JSON.stringify(webDump) !== JSON.stringify(nativeDump)) {
      fs.writeFileSync(path.join(workDir, `web_${dumpName}`), JSON.stringify(webDump, null, 1));
      console.error(`frame ${f}: the page's state differs from the native one (web_${dumpName} in ${workDir})`);
      failed = true;
    }
    const result = compareShots(decodePng(Buffer.from(files[shotName])), decodePng(native[shotName]));
    if (result.size) {
      console.error(`frame ${f}: the pictures differ in size`);
      failed = true;
    } else {
      console.log(`frame ${f}: screen ${webDump.screen}, ${result.over} pixels over ${tolerance} levels apart, ` +
                  `at most ${result.most}`);
      // A few pixels at edges of rotated or scaled quads may round the other way; a wrong picture differs
      // in thousands.
      if (result.over > 800 * 600 / 200) {
        fs.writeFileSync(path.join(workDir, `web_${shotName}`), Buffer.from(files[shotName]));
        console.error(`frame ${f}: the pictures differ (web_${shotName} in ${workDir})`);
        failed = true;
      }
    }
  }
  await page.close();

  if (screenshotFile) {
    // A picture of the game screen as the page shows it: the same game, left running after its last frame.
    const shotPage = await browser.newPage();
    await shotPage.setViewport({ width: 800, height: 640 });
    await shotPage.goto(`http://127.0.0.1:${port}/index.html?${new URLSearchParams({
      args: `--seed ${seed} --dump ${lastFrame}:/out/last.json`, input: script })}`);
    await shotPage.waitForFunction(() => window.FS && FS.analyzePath("/out/last.json").exists,
                                   { timeout: 120000, polling: 100 });
    const clip = await shotPage.$eval("canvas", (c) => {
      const r = c.getBoundingClientRect();
      return { x: r.x, y: r.y, width: r.width, height: r.height };
    });
    await shotPage.screenshot({ path: screenshotFile, clip });
    await shotPage.close();
  }

  // The frame rate with no cap (F2), on the menu: frames per second of wall time.
  const rateLogs = [];
  const frames = 600;
  const started = Date.now();
  const ratePage = await play(browser, port, new URLSearchParams({
    args: `--seed ${seed} --frames ${frames}`, input: "1 down F2\n2 up F2\n3 down SPACE\n4 up SPACE\n" }).toString(),
    rateLogs);
  const seconds = await ratePage.evaluate(() => (window.gameEnded - window.gameStarted) / 1000);
  console.log(`frame rate without a cap: ${Math.round(frames / seconds)} frames/s (${frames} frames in ` +
              `${seconds.toFixed(2)} s; the page with loading ${((Date.now() - started) / 1000).toFixed(1)} s)`);
  await ratePage.close();

  // The game's keys are kept from the browser (F1 would open its help, F3 its search, Space and the arrows
  // scroll the page) and the game goes on; shortcuts with Ctrl stay the browser's.
  const keyPage = await browser.newPage();
  // Registered before the page's scripts, so it sees every key; whether the page refused the browser its
  // default is read from the events once they are through.
  await keyPage.evaluateOnNewDocument(() => {
    window.keyEvents = [];
    window.addEventListener("keydown", (e) => window.keyEvents.push(e), true);
  });
  await keyPage.goto(`http://127.0.0.1:${port}/index.html?args=--seed+${seed}`);
  await keyPage.waitForFunction(() => window.gameStarted !== undefined, { timeout: 60000, polling: 100 });
  const kept = ["F1", "F2", "F3", "F4", "Space", "ArrowDown", "Enter"];
  for (const key of kept) await keyPage.keyboard.press(key);
  await keyPage.keyboard.down("Control");
  await keyPage.keyboard.press("KeyD");
  await keyPage.keyboard.up("Control");
  const seen = await keyPage.evaluate(() => Object.fromEntries(window.keyEvents.map((e) => [e.code, e.defaultPrevented])));
  for (const key of kept) if (seen[key] !== true) fail(`the browser was left ${key}: ${JSON.stringify(seen)}`);
  if (seen.KeyD !== false) fail(`Ctrl+D was taken from the browser: ${JSON.stringify(seen)}`);
  if (await keyPage.evaluate(() => window.gameExit) !== undefined) fail("the game ended on the keys");
  await keyPage.close();
} finally {
  await browser.close();
  server.close();
}
if (failed) process.exit(1);
console.log("browser test: the page plays as the native program does");
