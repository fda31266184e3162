-- The sample company that new companies are copied from: a small chart of accounts and an
-- inventory tree to rename or delete; no currencies, which the new company chooses itself.
INSERT INTO Company (Id, Name) VALUES (1, 'Sample company');

INSERT INTO Accounts (Code, Name, Kind) VALUES
  ('1000', 'Cash on hand', 'Asset'),
  ('1010', 'Sample bank #1', 'Asset'),
  ('1020', 'Sample bank #2', 'Asset'),
  ('1200', 'Customers', 'Asset'),
  ('1300', 'Inventory', 'Asset'),
  ('2000', 'Vendors', 'Liability'),
  ('2100', 'Notes payable', 'Liability'),
  ('2200', 'Salaries payable', 'Liability'),
  ('3000', 'Capital', 'Equity'),
  ('4000', 'Sales', 'Revenue'),
  ('4100', 'Sales discounts', 'Revenue'),
  ('5000', 'Cost of goods sold', 'Expense'),
  ('5100', 'Purchases', 'Expense'),
  ('5200', 'Salaries', 'Expense'),
  ('5300', 'Rent', 'Expense');

INSERT INTO StockItems (Code, Name, Parent, ItemType, Price) VALUES
  ('G1', 'Sample goods', NULL, 'Group', 0),
  ('G1-1', 'Sample item #1', 'G1', 'Item', 10),
  ('G1-2', 'Sample item #2', 'G1', 'Item', 25),
  ('S1', 'Sample services', NULL, 'Group', 0),
  ('S1-1', 'Sample service #1', 'S1', 'Service', 40);

INSERT INTO Locations (Code, Name, Address) VALUES ('MAIN', 'Main warehouse', '');
