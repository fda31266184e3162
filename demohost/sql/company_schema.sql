-- The company database of the demo host: one file per company. The host copies a sample
-- company and fills in its details, so every company starts from this schema.
PRAGMA foreign_keys = ON;
PRAGMA user_version = 1;

CREATE TABLE Company (
  Id INTEGER PRIMARY KEY CHECK (Id = 1),
  Name TEXT NOT NULL DEFAULT '',
  Name2 TEXT NOT NULL DEFAULT '',
  City TEXT NOT NULL DEFAULT '',
  State TEXT NOT NULL DEFAULT '',
  Phone TEXT NOT NULL DEFAULT '',
  Phone2 TEXT NOT NULL DEFAULT '',
  FiscalYear INTEGER NOT NULL DEFAULT 0,
  NumPeriods INTEGER NOT NULL DEFAULT 12 CHECK (NumPeriods BETWEEN 1 AND 13)
);

CREATE TABLE Accounts (
  Id INTEGER PRIMARY KEY,
  Code TEXT NOT NULL UNIQUE,
  Name TEXT NOT NULL,
  Kind TEXT NOT NULL DEFAULT 'Asset',
  OpeningBalance REAL NOT NULL DEFAULT 0
);

CREATE TABLE Vendors (
  Id INTEGER PRIMARY KEY,
  Code TEXT NOT NULL UNIQUE,
  Name TEXT NOT NULL,
  Account TEXT,
  Phone TEXT,
  OpeningBalance REAL NOT NULL DEFAULT 0,
  OpeningDate DATE
);

CREATE TABLE Customers (
  Id INTEGER PRIMARY KEY,
  Code TEXT NOT NULL UNIQUE,
  Name TEXT NOT NULL,
  Account TEXT,
  Phone TEXT,
  OpeningBalance REAL NOT NULL DEFAULT 0,
  OpeningDate DATE
);

CREATE TABLE Employees (
  Id INTEGER PRIMARY KEY,
  Code TEXT NOT NULL UNIQUE,
  Name TEXT NOT NULL,
  Position TEXT,
  Phone TEXT
);

-- Stock items form a tree: a group's children name it as their parent.
CREATE TABLE StockItems (
  Id INTEGER PRIMARY KEY,
  Code TEXT NOT NULL UNIQUE,
  Name TEXT NOT NULL,
  Parent TEXT REFERENCES StockItems (Code) ON UPDATE CASCADE ON DELETE CASCADE,
  ItemType TEXT NOT NULL DEFAULT 'Item',
  Price REAL NOT NULL DEFAULT 0
);

CREATE TABLE Jobs (
  Id INTEGER PRIMARY KEY,
  Code TEXT NOT NULL UNIQUE,
  Name TEXT NOT NULL,
  Supervisor TEXT
);

CREATE TABLE Banks (
  Id INTEGER PRIMARY KEY,
  Code TEXT NOT NULL UNIQUE,
  Name TEXT NOT NULL,
  Account TEXT,
  AccountNumber TEXT
);

CREATE TABLE Locations (
  Id INTEGER PRIMARY KEY,
  Code TEXT NOT NULL UNIQUE,
  Name TEXT NOT NULL,
  Address TEXT
);

-- Type 0 is the main currency, 1 the secondary one, 2 and above the others.
CREATE TABLE Currencies (
  Id INTEGER PRIMARY KEY,
  Type INTEGER NOT NULL DEFAULT 2,
  Code TEXT NOT NULL DEFAULT '' CHECK (length(Code) <= 5),
  Description TEXT NOT NULL DEFAULT ''
);

CREATE TABLE Vouchers (
  Id INTEGER PRIMARY KEY,
  TRNSDATE DATE NOT NULL,
  Description TEXT
);

CREATE TABLE VoucherLines (
  Id INTEGER PRIMARY KEY,
  Voucher INTEGER NOT NULL REFERENCES Vouchers (Id) ON DELETE CASCADE,
  Account TEXT NOT NULL,
  Debit REAL NOT NULL DEFAULT 0,
  Credit REAL NOT NULL DEFAULT 0,
  Memo TEXT
);

-- Sections 0-6: sales, receipts, purchases, disbursements, payroll, notes payable, notes
-- receivable; one row per role of a section and currency.
CREATE TABLE DefaultAccounts (
  Id INTEGER PRIMARY KEY,
  Section INTEGER NOT NULL CHECK (Section BETWEEN 0 AND 6),
  Currency TEXT NOT NULL,
  Role TEXT NOT NULL,
  Account TEXT,
  UNIQUE (Section, Currency, Role)
);
