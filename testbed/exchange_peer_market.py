"""Market data of the exchange peer: coins whose prices move like a market, reproducibly.

Each step moves every unpinned coin by a small random walk (rounded to its price tick) and
adds a few trades around the new price. All randomness comes from the seed, so the same
seed and the same number of steps give the same prices, trades and order books.
Numbers are served as JSON strings, as the exchange does.
"""

import math
import random
import time
from collections import deque

LISTED_COINS = ("BTC", "BCH", "BTG", "ETH", "ETC", "XRP", "LTC", "DASH", "XMR", "ZEC", "QTUM", "EOS")
BASE_PRICES = {"BTC": 8_000_000, "BCH": 900_000, "BTG": 30_000, "ETH": 500_000, "ETC": 15_000,
               "XRP": 500, "LTC": 100_000, "DASH": 250_000, "XMR": 120_000, "ZEC": 150_000,
               "QTUM": 10_000, "EOS": 6_000}
TICKER_FIELDS = ("opening_price", "closing_price", "min_price", "max_price", "average_price",
                 "units_traded", "volume_1day", "volume_7day", "buy_price", "sell_price")
MAX_SYNTHETIC = 5000
KEPT_TRADES = 40
INITIAL_TRADES = 20
DEFAULT_LEVELS = 20
MAX_LEVELS = 50
STEP_VOLATILITY = 0.002


def price_tick(price):
    for floor, tick in ((1_000_000, 1000), (500_000, 500), (100_000, 100), (50_000, 50),
                        (10_000, 10), (1_000, 5)):
        if price >= floor:
            return tick
    return 1


def clock_text(ms):
    return time.strftime("%Y-%m-%d %H:%M:%S", time.localtime(ms // 1000))


class Coin:
    def __init__(self, code, price, rng):
        self.code = code
        self.price = price
        self.open = self.low = self.high = price
        self.version = 0
        self.trade_size = max(0.0001, 50_000 / price)   # a typical trade is worth ~50,000 won
        self.units = 0.0
        self.value = 0.0
        self.week_units = rng.uniform(5_000, 50_000) * self.trade_size
        self.trades = deque(maxlen=KEPT_TRADES)
        self.pinned = False
        self.ticker_override = {}
        self.trades_override = None
        self.book_override = None

    def add_trade(self, rng, ms):
        tick = price_tick(self.price)
        price = max(1, self.price + tick * rng.randint(-2, 2))
        units = round(self.trade_size * rng.expovariate(1.0) + 0.0001, 4)
        self.units += units
        self.value += units * price
        self.trades.appendleft({"transaction_date": clock_text(ms), "type": rng.choice(("bid", "ask")),
                                "units_traded": "%.4f" % units, "price": str(price),
                                "total": str(int(units * price))})

    def move(self, rng, ms):
        drift = rng.gauss(0.0, STEP_VOLATILITY)
        tick = price_tick(self.price)
        self.price = max(1, int(round(self.price * math.exp(drift) / tick)) * tick)
        self.low = min(self.low, self.price)
        self.high = max(self.high, self.price)
        self.version += 1
        for _ in range(rng.randint(0, 3)):
            self.add_trade(rng, ms)

    def ticker(self):
        tick = price_tick(self.price)
        average = self.value / self.units if self.units else float(self.price)
        fields = {"opening_price": str(self.open), "closing_price": str(self.price),
                  "min_price": str(self.low), "max_price": str(self.high),
                  "average_price": "%.4f" % average, "units_traded": "%.8f" % self.units,
                  "volume_1day": "%.8f" % self.units,
                  "volume_7day": "%.8f" % (self.week_units + self.units),
                  "buy_price": str(max(1, self.price - tick)), "sell_price": str(self.price + tick)}
        fields.update(self.ticker_override)
        return fields


class Market:
    def __init__(self, seed=1, moving=True, tick_ms=1000, synthetic=0):
        self.seed = seed
        self.moving = moving
        self.tick_ms = tick_ms
        self.steps = 0
        self.fixed_ms = None
        self.rng = random.Random(seed)
        self.coins = {}
        for code in LISTED_COINS:
            self._add(code, BASE_PRICES[code])
        self.set_synthetic(synthetic)

    def now_ms(self):
        return self.fixed_ms if self.fixed_ms is not None else int(time.time() * 1000)

    def _add(self, code, price):
        coin_rng = random.Random("%s:%s" % (self.seed, code))
        coin = Coin(code, price, coin_rng)
        now = self.now_ms()
        for i in range(INITIAL_TRADES, 0, -1):
            coin.add_trade(coin_rng, now - i * 1000)
        self.coins[code] = coin
        return coin

    def set_synthetic(self, count):
        if not 0 <= count <= MAX_SYNTHETIC:
            raise ValueError("synthetic coin count must be 0..%d" % MAX_SYNTHETIC)
        for code in [c for c in self.coins if c.startswith("SYN")]:
            del self.coins[code]
        for i in range(1, count + 1):
            rng = random.Random("%s:synthetic:%d" % (self.seed, i))
            self._add("SYN%04d" % i, int(10 ** rng.uniform(2, 6)))

    def set_coins(self, codes):
        """Keeps only `codes` (adding unknown ones at a price of 1000), in that order."""
        old, self.coins = self.coins, {}
        for code in codes:
            if code in old:
                self.coins[code] = old[code]
            else:
                self._add(code, 1000)

    def step(self, count=1):
        for _ in range(count):
            self.steps += 1
            now = self.now_ms()
            for code in sorted(self.coins):
                coin = self.coins[code]
                if not coin.pinned:
                    coin.move(self.rng, now)

    def coin(self, code):
        return self.coins.get(code)

    def set_ticker(self, code, fields):
        """Overrides ticker fields; a numeric closing price also pins the coin there."""
        coin = self.coins.get(code) or self._add(code, 1000)
        if fields is None:
            coin.ticker_override = {}
            coin.pinned = False
            return
        coin.ticker_override.update(fields)
        price = str(fields.get("closing_price", ""))
        if price.isdigit() and int(price) > 0:
            coin.price = int(price)
            coin.pinned = True

    def last_price(self, code):
        """The price an order fills at: the served closing price, or None when it is no number."""
        coin = self.coins.get(code)
        if coin is None:
            return None
        text = str(coin.ticker()["closing_price"])
        return int(text) if text.isdigit() and int(text) > 0 else None

    def last_price_text(self, code):
        coin = self.coins.get(code)
        return str(coin.ticker()["closing_price"]) if coin else "0"

    def ticker_all(self):
        data = {code: coin.ticker() for code, coin in self.coins.items()}
        data["date"] = str(self.now_ms())
        return data

    def ticker_one(self, code):
        data = dict(self.coins[code].ticker())
        data["date"] = str(self.now_ms())
        return data

    def trades(self, code):
        coin = self.coins[code]
        return list(coin.trades_override if coin.trades_override is not None else coin.trades)

    def orderbook(self, code, levels=DEFAULT_LEVELS):
        coin = self.coins[code]
        data = {"timestamp": str(self.now_ms()), "order_currency": code, "payment_currency": "KRW"}
        if coin.book_override is not None:
            data.update(coin.book_override)
            return data
        rng = random.Random("%s:%s:book:%d" % (self.seed, code, coin.version))
        tick = price_tick(coin.price)

        def level(price):
            return {"quantity": "%.4f" % (coin.trade_size * rng.uniform(0.1, 8.0)), "price": str(price)}
        data["bids"] = [level(coin.price - tick * i) for i in range(1, levels + 1) if coin.price - tick * i > 0]
        data["asks"] = [level(coin.price + tick * i) for i in range(1, levels + 1)]
        return data
